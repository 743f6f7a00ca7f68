#include "kymbral_invariants.h"

#include <cmath>

#include "main_form_controls.h"
#include "main_form_layout.h"

namespace {

// Nine panels of 100 segments and the shim map's eight grid lines; the
// gradient pulse (201 strokes) never shares the view with them.
constexpr std::size_t kMaxPanelStrokes = 9 * 100 + 8;
// The lead-in, the step and 25 segments of the lock trace.
constexpr std::size_t kLockTraceStrokes = 27;

bool Finite(std::initializer_list<double> values) {
    for (double v : values) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

bool Finite(const UserScale& s) {
    return Finite({s.left, s.top, s.width, s.height}) && s.width != 0 && s.height != 0;
}

}  // namespace

KymbralInvariants::KymbralInvariants() : layout_(MakeMainForm()) {}

Problems KymbralInvariants::After(const Kymbral& k, int ticks) {
    const MainForm& f = k.form;
    Problems problems;
    CheckCaptions(k, problems);
    CheckFigures(f, problems);

    fidTicks_ = f.PlotFID.clears == seen_[2].clears ? fidTicks_ + ticks : ticks;
    CheckPicture(f.PlotPeakShape, seen_[0], kMaxPanelStrokes, problems);
    CheckPicture(f.PlotBField, seen_[1], kMaxPanelStrokes, problems);
    CheckPicture(f.PlotFID, seen_[2], fidTicks_ + kLockTraceStrokes, problems);
    return problems;
}

void KymbralInvariants::CheckPicture(const PictureBox& picture, Seen& seen, std::size_t bound,
                                     Problems& problems) const {
    const std::vector<Stroke>& strokes = picture.strokes;
    if (picture.clears != seen.clears) seen = {picture.clears, 0};
    if (strokes.size() < seen.strokes)
        problems.push_back(picture.name + " lost strokes without a clear");
    if (strokes.size() > bound) {
        problems.push_back(picture.name + " holds " + std::to_string(strokes.size()) +
                           " strokes, more than " + std::to_string(bound));
    }
    if (!Finite(picture.scale)) problems.push_back(picture.name + " has an unusable scale");
    for (std::size_t i = seen.strokes; i < strokes.size(); ++i) {
        const Stroke& s = strokes[i];
        if (!Finite({s.x1, s.y1, s.x2, s.y2}) || !Finite(s.scale)) {
            problems.push_back(picture.name + " stroke " + std::to_string(i) + " is not finite");
            break;
        }
    }
    seen.strokes = strokes.size();
}

void KymbralInvariants::CheckFigures(const MainForm& f, Problems& problems) const {
    ForEachControl(f, [&problems](const auto& control) {
        if constexpr (kIsA<LineFigure, decltype(control)>) {
            if (!Finite({control.x1, control.y1, control.x2, control.y2})) {
                problems.push_back(control.name + " has an end that is not finite");
            }
        }
    });
    // Only the tube moves, and only between its two places.
    std::vector<const ShapeFigure*> now, laidOut;
    auto collect = [](std::vector<const ShapeFigure*>& shapes) {
        return [&shapes](const auto& control) {
            if constexpr (kIsA<ShapeFigure, decltype(control)>) shapes.push_back(&control);
        };
    };
    ForEachControl(f, collect(now));
    ForEachControl(layout_, collect(laidOut));
    for (std::size_t i = 0; i < now.size(); ++i) {
        TwipRect expected = laidOut[i]->rect;
        if (now[i] == &f.NMRTube) expected.top = f.NMRTube.rect.top;
        if (now[i]->rect != expected) problems.push_back(now[i]->name + " moved");
    }
    int tubeTop = f.NMRTube.rect.top;
    if (tubeTop != kTubeEjectedTop && tubeTop != kTubeInsertedTop) {
        problems.push_back("NMRTube is neither in nor out");
    }
}
