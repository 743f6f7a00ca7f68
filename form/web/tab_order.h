#pragma once

#include <functional>
#include <type_traits>
#include <vector>

#include "controls.h"
#include "picture_box.h"

// The page's order for Tab: the controls that take clicks, in the order a
// reader meets them (ReadingOrder), a control inside a picture box by its
// place on the form.
class TabOrder {
  public:
    // A control numbered `id`, inside picture box `parent` (-1: the form).
    // Shapes are only drawn; a label or a picture box stops only when it
    // takes clicks, other controls always.
    template <class Model>
    void Add(int id, const Model& model, int parent) {
        if constexpr (requires { model.rect; } && !std::is_same_v<Model, ShapeFigure>) {
            constexpr bool always =
                !std::is_same_v<Model, Label> && !std::is_same_v<Model, PictureBox>;
            placed_.push_back({id, &model.rect, parent, always});
        }
    }

    // The numbers of the stops, in order.
    std::vector<int> Stops(const std::function<bool(int id)>& takesClicks) const;

  private:
    struct Placed {
        int id;
        const TwipRect* rect;
        int parent;
        bool alwaysStops;
    };

    TwipRect OnForm(const Placed& placed) const;

    std::vector<Placed> placed_;
};
