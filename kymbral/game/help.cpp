#include "help.h"

#include <array>
#include <string>
#include <string_view>

namespace {

// Shown as written, also where the program is stricter than the wording
// (the command line wants pw=3 in lower case; the goal is a level above 53).
constexpr std::array<std::string_view, 12> kHelpLines = {
    "Simulates Orvane software and shows Visual Views of NMR Lock, Shim, and Acquisition Concepts.",
    "  Top Row from left to right: Sample & Magnet, Spectrum, Spinning Nuclei, Magnetic Field",
    "  Middle Row:  Actual Orvane Screen with Scramble game settings, Experiment Parameters, "
    "FID/Lock Graph  Bottom Row: Sample Properties.",
    "",
    "Click Scramble and shim Z0,Z1,Z2, by left/right clicking.",
    "  Goal: Get lock level = 53 with Lock Gain and Lock Power both set to 20.",
    "",
    "Scramble Hard also scrambles Lock Phase, Lock Gain, Lock Power and Scramble Nightmare "
    "scrambles everything.",
    "Scramble Sample scrambles the PW90, T1 and T2 for an unknown sample.",
    "  Try to determine the unknown PW90, T1, T2 by performing experiments.",
    "  e.g., Change PW by typing in PW=3 above the parameters box. Type ga or click GA to run the "
    "experiment.",
    "  Click Scramble Sample again to display the PW90, T1, T2 for the unknown sample.",
};

}  // namespace

void Help_Click(Kymbral& k) {
    std::string text;
    for (std::size_t i = 0; i < kHelpLines.size(); ++i) {
        if (i > 0) text += k.state.CR;
        text += kHelpLines[i];
    }
    k.messages.Show(std::string(kymbral::kProgramName) + " Help", text);
}
