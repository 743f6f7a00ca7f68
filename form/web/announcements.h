#pragma once

#include <functional>
#include <optional>
#include <type_traits>
#include <vector>

#include "accessible.h"
#include "announce_pacer.h"

// What assistive technology was last told of each control. A control's
// facts are told again when they change; a change of the name of one whose
// changes are read out is read at once, or, while it keeps changing, only
// the latest when its turn comes (AnnouncePacer).
class Announcements {
  public:
    struct Update {
        std::vector<int> changed;  // the controls whose facts changed
        std::vector<int> said;     // the controls whose names are read out now
        // Seconds until the next read-out that waits.
        std::optional<double> sayIn;
    };

    // The next control, numbered in the order added.
    void Add(Describer describer) { told_.push_back({std::move(describer)}); }
    void Describe(int id, Describer describer);
    // Seconds on a steady clock; the system's when none is set.
    void SetClock(std::function<double()> now) { now_ = std::move(now); }

    // Asks every control's facts afresh and takes them as told.
    Update Take();
    // As last taken.
    const AccessibleFacts& Facts(int id) const;

  private:
    struct Told {
        Describer describe;
        std::optional<AccessibleFacts> facts{};
        AnnouncePacer pacer{};
    };

    double Now() const;
    void Take(int id, double now, Update& update);

    std::vector<Told> told_;
    std::function<double()> now_;
};

// What a control says by its kind; a label is a button when it takes a click.
template <class Model>
Describer KindDescriber(const Model& model, const std::function<bool()>& takesClick) {
    if constexpr (std::is_same_v<Model, Label>) {
        return [&model, takesClick] { return KindFacts(model, takesClick()); };
    } else if constexpr (requires { KindFacts(model); }) {
        return [&model] { return KindFacts(model); };
    } else {
        return Always(kUntold);
    }
}
