#include "shim_axis.h"

#include <array>
#include <string_view>

#include "form_load.h"
#include "update_views.h"

namespace {

// Each caption and the one that follows it; other captions stay.
constexpr std::array<std::array<std::string_view, 2>, 5> kNextAxis = {{
    {"Z1", "Z2"},
    {"Z2", "Z3"},
    {"Z3", "Z4"},
    {"Z4", kSingleViewCaption},
    {kSingleViewCaption, "Z1"},
}};

}  // namespace

void ShimXLabel_Click(Kymbral& k) {
    Label& axis = k.form.ShimXLabel;
    for (const auto& [from, to] : kNextAxis) {
        if (axis.caption != from) continue;
        axis.caption = to;
        // The row label belongs to the shim map only.
        k.form.ShimYLabel.visible = to != kSingleViewCaption;
        break;
    }
    UpdateViews(k);
}

void ShimYLabel_Click(Kymbral& k) {
    UpdateViews(k);
}
