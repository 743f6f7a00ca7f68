#include "scramble_levels.h"

#include <cmath>
#include <vector>

#include "eject_insert.h"
#include "knob_settings.h"
#include "update_views.h"

namespace {

// What one draw replaces.
enum class Draw { Z0Error, Z1Error, Z2Error, Z3Error, Z4Error, Gain, Power, PhaseError };

struct Level {
    int number;                        // 1 to 3, as the reports name it
    std::vector<Draw> draws;           // in drawing order
    std::vector<int> rewrittenLabels;  // value labels shown afresh, ascending
};

const Level kEasy{1, {Draw::Z0Error, Draw::Z1Error, Draw::Z2Error}, {0, 1, 2}};
const Level kHard{
    2,
    {Draw::Z0Error, Draw::Z1Error, Draw::Z2Error, Draw::Gain, Draw::Power, Draw::PhaseError},
    {0, 1, 2, 5, 6, 7}};
const Level kNightmare{3,
                       {Draw::Z0Error, Draw::Z1Error, Draw::Z2Error, Draw::Z3Error, Draw::Z4Error,
                        Draw::Gain, Draw::Power, Draw::PhaseError},
                       {0, 1, 2, 3, 4, 5, 6, 7}};

// A whole hundredth in -0.10..0.09, kept as the single nearest to it.
float ShimError(float u) {
    return std::floor(10.0f - 20.0f * u) / 100.0f;
}

void Apply(SimulatorState& s, Draw draw, float u) {
    float* errors[] = {&s.Z0Offset, &s.Z1Offset, &s.Z2Offset, &s.Z3Offset, &s.Z4Offset};
    switch (draw) {
        case Draw::Gain:
            s.LockGain = static_cast<std::int16_t>(std::floor(40.0f * u));
            break;
        case Draw::Power:
            s.LockPower = static_cast<std::int16_t>(std::floor(40.0f * u));
            break;
        case Draw::PhaseError:
            s.LockPhaseOffset = static_cast<std::int16_t>(std::floor(180.0f - 180.0f * u));
            break;
        default:
            *errors[static_cast<int>(draw)] = ShimError(u);
    }
}

void StartGame(Kymbral& k, const Level& level) {
    SimulatorState& s = k.state;
    Eject_Click(k);
    s.ScrambleStartTime = k.clock.Now();
    s.ScrambleLevel = level.number;
    // One argument for every draw of the game: normally positive, so each draw
    // moves on; 0 repeats the last value and a negative one restarts the sequence.
    float argument = k.clock.Now() - s.ScanStart;
    for (Draw draw : level.draws) Apply(s, draw, k.random.Rnd(argument));
    for (int label : level.rewrittenLabels) WriteShimLabels(k, label, label);
    k.form.Walkup.caption = "Answer";
    UpdateViews(k);
}

}  // namespace

void ScrambleEasy_Click(Kymbral& k) {
    StartGame(k, kEasy);
}
void Scramble_Click(Kymbral& k) {
    StartGame(k, kHard);
}
void ScrambleHard_Click(Kymbral& k) {
    StartGame(k, kNightmare);
}
