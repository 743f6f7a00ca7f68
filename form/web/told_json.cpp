#include "told_json.h"

namespace {

// The role's name as the page knows it.
const char* RoleName(AccessibleRole role) {
    switch (role) {
        case AccessibleRole::Button:
            return "button";
        case AccessibleRole::SpinButton:
            return "spinButton";
        case AccessibleRole::CheckBox:
            return "checkBox";
        case AccessibleRole::List:
            return "list";
        case AccessibleRole::TextBox:
            return "textBox";
        case AccessibleRole::Text:
            return "text";
        case AccessibleRole::Meter:
            return "meter";
        case AccessibleRole::Image:
            return "image";
        case AccessibleRole::None:
            break;
    }
    return "none";
}

void WriteFacts(JsonOut& out, int id, const AccessibleFacts& facts, const char* keys) {
    out.Open('{').Key("id").Value(id).Key("role").Value(RoleName(facts.role));
    out.Key("name").Value(facts.name).Key("value").Value(facts.value);
    out.Key("minimum").Value(facts.minimum).Key("maximum").Value(facts.maximum);
    out.Key("description").Value(facts.description).Key("live").Value(facts.announced);
    out.Key("keys").Value(keys).Close('}');
}

void WriteSaid(JsonOut& out, int id, const AccessibleFacts& facts) {
    out.Open('{').Key("id").Value(id).Key("text").Value(ReadOut(facts)).Close('}');
}

}  // namespace

void WriteTold(JsonOut& out, const Announcements::Update& update, const Announcements& told,
               const std::function<const char*(int id)>& keysTaken) {
    if (!update.changed.empty()) {
        out.Key("told").Open('[');
        for (int id : update.changed) WriteFacts(out, id, told.Facts(id), keysTaken(id));
        out.Close(']');
    }
    if (!update.said.empty()) {
        out.Key("say").Open('[');
        for (int id : update.said) WriteSaid(out, id, told.Facts(id));
        out.Close(']');
    }
    if (update.sayIn) out.Key("sayIn").Value(*update.sayIn);
}
