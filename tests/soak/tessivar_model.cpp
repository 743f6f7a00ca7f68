#include "tessivar_model.h"

namespace {

constexpr int kLeft = 1, kRight = 2;

}  // namespace

bool TessivarModel::Hits(double x, double y) const {
    const Slide& target = slides_[static_cast<std::size_t>(slide)];
    return x > target.TargetX - target.AreaWidth && x < target.TargetX &&
           y > target.TargetY - target.AreaHeight && y < target.TargetY;
}

void TessivarModel::Release(int button, double x, double y) {
    finalScore.reset();
    ++clueLevel;
    if (button == kRight) {
        slide = slide == 0 ? static_cast<int>(slides_.size()) - 1 : slide - 1;
    } else if (button == kLeft && Hits(x, y)) {
        clueLevel = 0;
        if (++slide == static_cast<int>(slides_.size())) {
            finalScore = 100 - penalty;
            slide = 0;
        }
    }
    penalty += clueLevel;
    shownScore = 100 - penalty;
    if (slide == 0) penalty = 0;
}
