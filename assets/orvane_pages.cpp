#include "orvane_pages.h"

#include <QString>
#include <array>

#include "draw_kit.h"
#include "lock_dial.h"

namespace orvane {

namespace {

using kit::Look;
using kit::Span;
namespace colour = kit::colour;

constexpr int kRowHeight = 17;

void Label(QPainter& p, int left, int right, int top, const QString& text) {
    kit::Text(p, Span(left, top, right, top + kRowHeight - 1), text,
              Qt::AlignRight | Qt::AlignVCenter);
}

void Hint(QPainter& p, const QRect& r, const QString& text) {
    kit::Text(p, r, text, Qt::AlignLeft | Qt::AlignVCenter, kit::Ui(10), colour::kMuted);
}

QRect Row(int left, int right, int top) {
    return Span(left, top, right, top + kRowHeight - 1);
}

// The lock level that goes with each lock scan.
double LevelOf(View view) {
    switch (view) {
        case View::kLockWavy:
            return 8.7;
        case View::kLockLow:
            return 31.5;
        default:
            return 64.1;
    }
}

QString LevelText(View view) {
    return QString::number(LevelOf(view), 'f', 1);
}

// The dial and the level under it, beside the lock and shim knobs.
void LockLevel(QPainter& p, View view) {
    DrawLockDial(p, QPointF(852, 526), 52, LevelOf(view));
    kit::Text(p, Span(800, 584, 904, 600), "Lock level " + LevelText(view), Qt::AlignCenter,
              kit::Ui(11, true));
}

struct Knob {
    const char* name;
    const char* value;
};

struct Solvent {
    int left;
    const char* name;
};

// Each radio button starts where the caption before it has ended.
const std::array kSolvents{Solvent{460, "D2O"},  Solvent{510, "CDCl3"}, Solvent{596, "DMSO"},
                           Solvent{660, "C6D6"}, Solvent{724, "CD3OD"}, Solvent{796, "Acetone"}};

}  // namespace

void DrawStandardPage(QPainter& p, const Slide& slide) {
    Label(p, 300, 452, 463, "Operator");
    kit::Field(p, Row(460, 620, 463), "student");
    Label(p, 300, 452, 490, "Sample name");
    kit::Field(p, Row(460, 700, 490), slide.sampleNamed ? "test" : "");
    Hint(p, Span(460, 508, 700, 522), "Letters, digits and _ only");
    Label(p, 300, 452, 529, "Solvent");
    for (const Solvent& s : kSolvents) {
        const bool picked = slide.solventChosen && QString(s.name) == "CDCl3";
        kit::Radio(p, Row(s.left, s.left + 70, 529), s.name, picked);
    }
    Label(p, 300, 452, 556, "Comment");
    kit::Field(p, Row(460, 700, 556), "");
    Label(p, 300, 452, 583, "Notebook");
    kit::Field(p, Row(460, 620, 583), "nb_2026");
    kit::CheckBox(p, Row(720, 930, 463), "Find Z0 before shimming", true);
    kit::CheckBox(p, Row(720, 930, 490), "Gradient shim on Z", true);
    kit::CheckBox(p, Row(720, 930, 556), "Auto process when done", true);
}

void DrawLockPage(QPainter& p, const Slide& slide) {
    kit::CheckBox(p, Row(372, 470, 473), "Lock", slide.lockOn);
    const std::array<std::array<QString, 2>, 3> status{
        {{"Level", LevelText(slide.view)}, {"Solvent", "CDCl3"}, {"Scan", "2 kHz"}}};
    for (std::size_t i = 0; i < status.size(); ++i) {
        const int top = 492 + 19 * static_cast<int>(i);
        Label(p, 300, 366, top, status[i][0]);
        kit::Field(p, Row(372, 450, top), status[i][1]);
    }
    const std::array knobs{Knob{"Z0", "-1432"}, Knob{"Power", "30"}, Knob{"Gain", "28"},
                           Knob{"Phase", "152"}};
    for (std::size_t i = 0; i < knobs.size(); ++i) {
        const int top = 473 + 19 * static_cast<int>(i);
        kit::Button(p, Row(502, 592, top), knobs[i].name);
        kit::Field(p, Row(598, 660, top), knobs[i].value, kit::Ui(11, true), Qt::AlignCenter);
    }
    Hint(p, Span(502, 554, 780, 568), "Left click: step down    Right click: step up");
    LockLevel(p, slide.view);
}

void DrawShimPage(QPainter& p, const Slide& slide) {
    const std::array shims{Knob{"Z1", "-312"}, Knob{"Z2", "1045"},  Knob{"Z3", "-87"},
                           Knob{"Z4", "410"},  Knob{"X", "-1220"},  Knob{"Y", "388"},
                           Knob{"XZ", "64"},   Knob{"YZ", "-153"},  Knob{"XY", "207"},
                           Knob{"X3", "-27"},  Knob{"Z5", "-2210"}, Knob{"Z6", "905"}};
    for (std::size_t i = 0; i < shims.size(); ++i) {
        const int column = static_cast<int>(i) % 4;
        const int row = static_cast<int>(i) / 4;
        const int top = 459 + 32 * row;
        const QRect box(300 + 100 * column, top, 96, row < 2 ? 28 : 18);
        kit::ValueBox(p, box, shims[i].name, shims[i].value, row == 0 ? "\u00b11" : "\u00b110");
    }
    const std::array files{"Read Shims", "Save Shims", "Read1", "Save1", "From Study"};
    const std::array lefts{300, 386, 472, 528, 584, 684};
    for (std::size_t i = 0; i < files.size(); ++i) {
        kit::Button(p, Span(lefts[i], 547, lefts[i + 1] - 6, 563), files[i], Look::kPlain,
                    kit::Narrow(12));
    }
    kit::Button(p, Span(690, 547, 782, 563), "Read Default Shims", Look::kPlain, kit::Narrow(12));
    Label(p, 300, 360, 574, "Shim file");
    kit::Field(p, Row(366, 520, 574), "default");
    Hint(p, Span(300, 596, 780, 610), "Left click: step down    Right click: step up");
    LockLevel(p, slide.view);
}

void DrawAcquirePage(QPainter& p, const Slide& slide) {
    const std::array<std::array<const char*, 2>, 6> fields{{{"Number of scans", "8"},
                                                            {"Pulse angle", nullptr},
                                                            {"Acquisition time (s)", "2.5"},
                                                            {"Relaxation delay (s)", "1"},
                                                            {"Spectral width (ppm)", "16"},
                                                            {"Steady-state scans", "2"}}};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const int top = 471 + 19 * static_cast<int>(i);
        Label(p, 300, 508, top, fields[i][0]);
        if (fields[i][1] != nullptr) kit::Field(p, Row(516, 580, top), fields[i][1]);
    }
    kit::Radio(p, Row(516, 560, 490), "45\u00b0", true);
    kit::Radio(p, Row(566, 610, 490), "90\u00b0", false);
    Label(p, 620, 734, 459, "Receiver gain");
    kit::Field(p, Row(742, 800, 459), "10");
    kit::CheckBox(p, Row(742, 880, 478), "Autogain", slide.view == View::kSpectrum);
    Label(p, 620, 734, 497, "Spin (Hz)");
    kit::Field(p, Row(742, 800, 497), "20");
    Label(p, 620, 734, 516, "Temperature (C)");
    kit::Field(p, Row(742, 800, 516), "25.0");
}

void DrawProcessPage(QPainter& p, const Slide&) {
    Label(p, 300, 452, 466, "Weighting");
    kit::DropDown(p, Row(460, 600, 466), "Exponential");
    Label(p, 300, 452, 487, "Line broadening (Hz)");
    kit::Field(p, Row(460, 520, 487), "0.3");
    Label(p, 300, 452, 508, "Transform size");
    kit::DropDown(p, Row(460, 600, 508), "64 k");
    Label(p, 300, 452, 529, "Zero filling");
    kit::DropDown(p, Row(460, 600, 529), "2 x");
    const std::array checks{"Auto phase", "Baseline correction", "Integrate", "Reference to TMS"};
    for (std::size_t i = 0; i < checks.size(); ++i) {
        kit::CheckBox(p, Row(660, 900, 466 + 21 * static_cast<int>(i)), checks[i], true);
    }
}

void DrawReferencePage(QPainter& p, const Slide&) {
    kit::Text(p, Span(540, 469, 636, 485), "Reference", Qt::AlignRight | Qt::AlignVCenter,
              kit::Ui(12, true));
    kit::Button(p, Span(650, 469, 730, 485), "By TMS");
    kit::Button(p, Span(742, 469, 832, 485), "By Solvent");
    Label(p, 300, 390, 469, "Cursor at");
    kit::Field(p, Row(396, 500, 469), "0.021 ppm");
    Label(p, 300, 390, 492, "TMS line");
    kit::Field(p, Row(396, 500, 492), "0.000 ppm");
    Label(p, 300, 390, 515, "Solvent line");
    kit::Field(p, Row(396, 500, 515), "7.260 ppm");
    Hint(p, Span(300, 545, 900, 560),
         "Put the cursor on the reference line, then choose By TMS or By Solvent.");
}

}  // namespace orvane
