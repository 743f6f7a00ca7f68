#include "control_registry.h"

#include <cstdint>
#include <stdexcept>

#include "control_json.h"

namespace {

// What the page last drew of a picture box: its frame and how far into its
// display list it got.
struct PictureApplied {
    TwipRect rect;
    bool sunken;
    Colour background;
    std::string picture;
    std::uint64_t pictureLoads;
    std::uint64_t clears;
    std::size_t strokes;

    explicit PictureApplied(const PictureBox& model)
        : rect(model.rect),
          sunken(model.sunkenBorder),
          background(model.background),
          picture(model.picture),
          pictureLoads(model.pictureLoads),
          clears(model.clears),
          strokes(model.strokes.size()) {}
};

// Strokes are sent as pixels of the drawing area: a new area, all of them again.
bool DrawsAfresh(const std::optional<PictureApplied>& last, const PictureBox& model) {
    return !last || last->clears != model.clears || last->rect != model.rect ||
           last->sunken != model.sunkenBorder;
}

bool Unchanged(const PictureApplied& last, const PictureBox& model) {
    return last.background == model.background && last.picture == model.picture &&
           last.pictureLoads == model.pictureLoads && last.strokes == model.strokes.size();
}

template <class... Fields>
void WriteControl(JsonOut& out, int id, int parent, const Fields&... fields) {
    out.Open('{').Key("id").Value(id).Key("parent").Value(parent);
    WriteFields(out, fields...);
    out.Close('}');
}

}  // namespace

int ControlRegistry::Number(const void* model) {
    int id = static_cast<int>(bindings_.size());
    ids_[model] = id;
    bindings_.emplace_back();
    return id;
}

template <class Model>
std::shared_ptr<std::optional<Model>> ControlRegistry::Track(const Model& model, int id,
                                                             int parent) {
    auto last = std::make_shared<std::optional<Model>>();
    writers_.push_back([&model, id, parent, last](JsonOut& out) {
        if (*last == model) return;
        WriteControl(out, id, parent, model);
        *last = model;
    });
    return last;
}

template <class Model>
int ControlRegistry::AddTracked(const Model& model, int parent) {
    int id = Number(&model);
    Track(model, id, parent);
    return id;
}

int ControlRegistry::Add(Label& label, int parent) {
    return AddTracked(label, parent);
}
int ControlRegistry::Add(LineFigure& line, int parent) {
    return AddTracked(line, parent);
}
int ControlRegistry::Add(ShapeFigure& shape, int parent) {
    return AddTracked(shape, parent);
}
int ControlRegistry::Add(Button& button, int parent) {
    return AddTracked(button, parent);
}
int ControlRegistry::Add(ListBox& listBox, int parent) {
    return AddTracked(listBox, parent);
}
int ControlRegistry::Add(Timer& timer, int parent) {
    return AddTracked(timer, parent);
}

// What the user typed or ticked is already on the page: the model takes it
// without the page being told it back.
int ControlRegistry::Add(TextBox& textBox, int parent) {
    int id = Number(&textBox);
    bindings_[Index(id)].setText = [&textBox,
                                    last = Track(textBox, id, parent)](const std::string& text) {
        textBox.text = text;
        if (*last) (*last)->text = text;
    };
    return id;
}

int ControlRegistry::Add(CheckBox& checkBox, int parent) {
    int id = Number(&checkBox);
    bindings_[Index(id)].setChecked = [&checkBox, last = Track(checkBox, id, parent)](bool on) {
        checkBox.checked = on;
        if (*last) (*last)->checked = on;
    };
    return id;
}

// A picture box is told its strokes since the page last drew it, not all of them.
int ControlRegistry::Add(PictureBox& pictureBox, int parent) {
    int id = Number(&pictureBox);
    writers_.push_back([&model = pictureBox, id, parent,
                        last = std::optional<PictureApplied>()](JsonOut& out) mutable {
        bool afresh = DrawsAfresh(last, model);
        if (!afresh && Unchanged(*last, model)) return;
        WriteControl(out, id, parent, model, afresh ? 0 : last->strokes, afresh);
        last.emplace(model);
    });
    return id;
}

int ControlRegistry::Id(const void* model) const {
    auto found = ids_.find(model);
    if (found == ids_.end()) throw std::invalid_argument("control not added to the form");
    return found->second;
}

const Bindings* ControlRegistry::Find(int id) const {
    if (id < 0 || id >= static_cast<int>(bindings_.size())) return nullptr;
    return &bindings_[Index(id)];
}

void ControlRegistry::WriteChanged(JsonOut& out) {
    out.Key("controls").Open('[');
    for (auto& write : writers_) write(out);
    out.Close(']');
}
