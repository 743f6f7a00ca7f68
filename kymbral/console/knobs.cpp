#include "knobs.h"

#include <limits>

#include "knob_settings.h"
#include "update_views.h"

namespace {

// A step past either end of the 16-bit range is refused: the setting stays put.
void Step(std::int16_t& setting, int delta) {
    int stepped = setting + delta;
    if (stepped < std::numeric_limits<std::int16_t>::min()) return;
    if (stepped > std::numeric_limits<std::int16_t>::max()) return;
    setting = static_cast<std::int16_t>(stepped);
}

}  // namespace

void KeyIn_MouseUp(Kymbral& k, int index, int button) {
    if (index < 0 || index >= kKnobCount) return;
    std::int16_t& setting = k.state.*kKnobSettings[index];
    if (button == kLeftButton) Step(setting, -1);
    if (button == kRightButton) Step(setting, +1);
    WriteShimLabels(k);
    UpdateViews(k);
}
