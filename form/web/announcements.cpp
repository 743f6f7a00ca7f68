#include "announcements.h"

#include <algorithm>
#include <chrono>
#include <cstddef>

namespace {

std::size_t Index(int id) {
    return static_cast<std::size_t>(id);
}

}  // namespace

void Announcements::Describe(int id, Describer describer) {
    told_[Index(id)].describe = std::move(describer);
}

double Announcements::Now() const {
    if (now_) return now_();
    auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(sinceEpoch).count();
}

Announcements::Update Announcements::Take() {
    double now = Now();
    Update update;
    for (int id = 0; id < static_cast<int>(told_.size()); ++id) Take(id, now, update);
    return update;
}

void Announcements::Take(int id, double now, Update& update) {
    Told& told = told_[Index(id)];
    AccessibleFacts facts = told.describe();
    bool changed = !told.facts || facts != *told.facts;
    if (!changed && !told.pacer.Due()) return;
    if (changed) update.changed.push_back(id);
    bool spoken = told.facts && facts.announced && ReadOut(facts) != ReadOut(*told.facts);
    told.facts = std::move(facts);
    if ((spoken && told.pacer.Changed(now)) || told.pacer.TakeDue(now)) update.said.push_back(id);
    if (std::optional<double> due = told.pacer.Due()) {
        update.sayIn = std::min(update.sayIn.value_or(*due - now), *due - now);
    }
}

const AccessibleFacts& Announcements::Facts(int id) const {
    return *told_[Index(id)].facts;
}
