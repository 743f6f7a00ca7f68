#include "main_form_layout.h"

#include <string>

namespace {

const Font kDefault{"Arial", 8.25, true};
const Font kArial{"Arial", 8.25, false};
const Font kSans{"MS Sans Serif", 8.25, false};
const Font kArial975{"Arial", 9.75, false};
const Font kArial12Bold{"Arial", 12, true};
const Font kArial1575{"Arial", 15.75, false};
const Font kCourier12Bold{"Courier", 12, true};
const Font kCourier975Bold{"Courier", 9.75, true};
const Font kPapyrusBold{"Papyrus", 8.25, true};

Label Plain(const char* name, const char* caption, TwipRect rect, Font font,
            Alignment alignment = Alignment::Left) {
    return {.name = name, .caption = caption, .rect = rect, .font = font, .alignment = alignment};
}

// A label on the white part of the picture.
Label OnWhite(const char* name, const char* caption, TwipRect rect, Font font,
              Alignment alignment = Alignment::Left) {
    Label label = Plain(name, caption, rect, font, alignment);
    label.background = colours::Window;
    return label;
}

Button Push(const char* name, const char* caption, TwipRect rect, Font font) {
    return {.name = name, .caption = caption, .rect = rect, .font = font};
}

TextBox Box(const char* name, const char* text, TwipRect rect, Font font) {
    return {.name = name, .text = text, .rect = rect, .font = font};
}

// Until a handler sets its scale, a picture box draws in twips of its drawing area.
PictureBox Picture(const char* name, TwipRect rect) {
    PictureBox picture;
    picture.name = name;
    picture.rect = rect;
    picture.font = kSans;
    picture.background = colours::MenuText;
    picture.scale = {0, 0, double(rect.width - 2 * kPictureBorderTwips),
                     double(rect.height - 2 * kPictureBorderTwips)};
    return picture;
}

ShapeFigure Outline(const char* name, ShapeKind kind, TwipRect rect,
                    BorderStyle border = BorderStyle::Solid, int borderWidth = 1) {
    return {.name = name, .kind = kind, .rect = rect, .border = border, .borderWidth = borderWidth};
}

ShapeFigure Solid(const char* name, TwipRect rect, BorderStyle border, Colour fill) {
    return {.name = name, .rect = rect, .border = border, .filled = true, .fillColour = fill};
}

LineFigure Segment(const char* name, double x1, double y1, double x2, double y2, Colour colour,
                   int width, bool visible = true) {
    return {.name = name,
            .x1 = x1,
            .y1 = y1,
            .x2 = x2,
            .y2 = y2,
            .colour = colour,
            .width = width,
            .visible = visible};
}

struct KnobPlace {
    const char* caption;
    const char* value;
    int left, top, width;
};

// Knob i's button; its value label lies just below it.
const std::array<KnobPlace, kKnobCount> kKnobs = {{
    {"Z0", "51", 1320, 6720, 1215},
    {"Z1", "0", 5160, 6000, 1935},
    {"Z2", "0", 5160, 6480, 1935},
    {"Z3", "0", 7080, 6840, 1935},
    {"Z4", "0", 7080, 7320, 1935},
    {"LockGain", "20", 1320, 7920, 1215},
    {"LockPower", "20", 1320, 7320, 1215},
    {"LockPhase", "140", 1320, 8520, 1215},
}};

void LayOutKnobs(MainForm& f) {
    for (int i = 0; i < kKnobCount; ++i) {
        const KnobPlace& p = kKnobs[i];
        std::string index = std::to_string(i);
        f.KeyIn[i] = {.name = "KeyIn" + index,
                      .caption = p.caption,
                      .rect = {p.left, p.top, p.width, 255},
                      .font = kSans};
        f.ShimLabel[i] = Plain("", p.value, {p.left, p.top + 240, p.width, 255}, kArial12Bold,
                               Alignment::Centre);
        f.ShimLabel[i].name = "ShimLabel" + index;
    }
}

void LayOutTopRow(MainForm& f) {
    f.KeyboardInput = Box("KeyboardInput", "", {1200, 0, 10575, 405}, kCourier12Bold);
    f.PlotPeakShape = Picture("PlotPeakShape", {1200, 480, 10575, 4575});
    f.Label9 = Plain("Label9", "Label9", {0, 5280, 1455, 15}, kSans);
    f.ShimYLabel = OnWhite("ShimYLabel", "", {960, 480, 255, 255}, kArial);
    f.ShimXLabel = Plain("ShimXLabel", "Z3", {4800, 5040, 2895, 255}, kArial, Alignment::Centre);

    f.Shape8 = Outline("Shape8", ShapeKind::Rectangle, {410, 4200, 375, 255});
    f.Shape7 = Outline("Shape7", ShapeKind::Rectangle, {530, 2880, 150, 1335}, BorderStyle::Dot);
    f.Shape2 = Outline("Shape2", ShapeKind::RoundedRectangle, {170, 2880, 855, 1335});
    f.NMRTube = Outline("NMRTube", ShapeKind::Rectangle, {548, kTubeEjectedTop, 95, 615});
    f.Shape10 = Solid("Shape10", {50, 3600, 135, 1455}, BorderStyle::Solid, colours::Black);
    f.Shape9 = Solid("Shape9", {1010, 3600, 135, 1455}, BorderStyle::Solid, colours::Black);
}

void LayOutNuclei(MainForm& f) {
    f.Label6 = OnWhite("Label6", "Side View", {12240, 120, 855, 255}, kArial);
    f.Label17 = OnWhite("Label17", "Top View", {12240, 2640, 855, 255}, kArial);
    f.Label16 = OnWhite("Label16", "Z", {14040, 240, 135, 255}, kArial);
    f.Label15 = OnWhite("Label15", "X", {14880, 1440, 135, 255}, kArial);
    f.Label14 = OnWhite("Label14", "Y", {14040, 2880, 135, 255}, kArial);
    f.Label7 = OnWhite("Label7", "X", {14880, 4080, 135, 255}, kArial);
    f.Angle1Label =
        OnWhite("Angle1Label", "Label7", {15480, 1200, 495, 255}, kArial, Alignment::Right);
    f.Label19 = OnWhite("Label19", "degrees", {16080, 1200, 615, 255}, kArial);
    f.Angle2Label =
        OnWhite("Angle2Label", "Label7", {15480, 3840, 495, 255}, kArial, Alignment::Right);
    f.Label20 = OnWhite("Label20", "degrees", {16080, 3840, 615, 255}, kArial);
    f.Restart = Push("Restart", "GA", {15120, 2400, 1335, 255}, kArial);
    f.Simulator = Push("Simulator", "Non-Rotating", {15120, 2640, 1335, 255}, kSans);

    const Colour red = Colour::Rgb(255, 0, 0), green = Colour::Rgb(0, 255, 0);
    const Colour darkRed = Colour::Rgb(128, 0, 0), darkGreen = Colour::Rgb(0, 128, 0);
    f.Nucleus2Nxy = Segment("Nucleus2Nxy", 13920, 3960, 13920, 4800, red, 4);
    f.Nucleus1Nxy = Segment("Nucleus1Nxy", 13920, 3960, 14040, 4920, green, 4);
    f.Nucleus2N = Segment("Nucleus2N", 13920, 1320, 13920, 2160, red, 4);
    f.Nucleus1N = Segment("Nucleus1N", 13920, 1320, 14040, 2160, green, 4);
    f.Nucleus1xy = Segment("Nucleus1xy", 14040, 4920, 13800, 3000, darkGreen, 4, false);
    f.Nucleus2xy = Segment("Nucleus2xy", 13920, 4800, 13920, 2880, darkRed, 4, false);
    f.Nucleus2 = Segment("Nucleus2", 13920, 2160, 13920, 240, darkRed, 4, false);
    f.Nucleus1 = Segment("Nucleus1", 13920, 1320, 13800, 360, darkGreen, 4, false);
    f.Line2 = Segment("Line2", 13920, 240, 13920, 2400, colours::Black, 1);
    f.Line1 = Segment("Line1", 12840, 1320, 15000, 1320, colours::Black, 1);
    f.Line4 = Segment("Line4", 12840, 3960, 15000, 3960, colours::Black, 1);
    f.Line3 = Segment("Line3", 13920, 2880, 13920, 5040, colours::Black, 1);

    f.Shape6 = Outline("Shape6", ShapeKind::Oval, {15120, 3360, 255, 1215}, BorderStyle::Solid, 2);
    f.Shape5 = Outline("Shape5", ShapeKind::Oval, {12480, 3360, 255, 1215}, BorderStyle::Solid, 2);
    f.Shape4 = Outline("Shape4", ShapeKind::Oval, {12480, 720, 255, 1215}, BorderStyle::Solid, 2);
    f.Shape3 = Outline("Shape3", ShapeKind::Oval, {15120, 720, 255, 1215}, BorderStyle::Solid, 2);
}

void LayOutField(MainForm& f) {
    f.PlotBField = Picture("PlotBField", {17040, 735, 2055, 3480});
    f.Label1 = OnWhite("Label1", "Z", {16800, 720, 255, 255}, kSans, Alignment::Centre);
    f.Label3 = OnWhite("Label3", "0", {16800, 2280, 255, 255}, kSans, Alignment::Centre);
    f.Label2 = OnWhite("Label2", "-Z", {16800, 3960, 255, 255}, kSans, Alignment::Centre);
    f.Label0 = Plain("Label0", "-B", {17040, 4320, 135, 255}, kSans);
    f.Label4 = Plain("Label4", "B", {18960, 4320, 135, 255}, kSans);
    f.Label13 = Plain("Label13", "Magnetic Field along Z axis", {17040, 4680, 2055, 255}, kArial);
}

void LayOutConsole(MainForm& f) {
    f.Insert = Push("Insert", "Insert", {3200, 5450, 820, 400}, kDefault);
    f.Eject = Push("Eject", "Eject", {4080, 5450, 820, 400}, kDefault);
    f.GradientShim = Push("GradientShim", "Gradient Shim", {10680, 5450, 1575, 375}, kDefault);
    LayOutKnobs(f);
    f.Info = Plain("Info", "Info", {3360, 7080, 855, 255}, kArial975, Alignment::Centre);
    f.Info2 = Plain("Info2", "Info2", {3840, 8600, 615, 255}, kArial975);
    f.Info2.background = colours::ActiveBorder;
    f.SpinOn = Push("SpinOn", "Spin on", {5160, 8520, 855, 255}, kDefault);
    f.SpinOff = Push("SpinOff", "Spin off", {5160, 8840, 855, 255}, kDefault);
    f.SpinLabel = Plain("SpinLabel", "Regulated  20 Hz", {6480, 8520, 855, 495}, kDefault);
    f.SpinLabel.wordWrap = true;
    f.Walkup = Push("Walkup", "Read Default Shims", {7440, 8400, 5535, 615}, kArial1575);
    f.Label18 = Plain("Label18", "AutoGain", {9720, 9050, 975, 280}, kDefault);
    f.AutoGainCheck = {.name = "AutoGainCheck",
                       .caption = "Check1",
                       .rect = {10800, 9050, 255, 280},
                       .font = kDefault};
    f.ScrambleEasy = Push("ScrambleEasy", "Scramble", {120, 7200, 1095, 615}, kPapyrusBold);
    f.Scramble = Push("Scramble", "Scramble Hard", {120, 7800, 1095, 615}, kPapyrusBold);
    f.ScrambleHard =
        Push("ScrambleHard", "Scramble Nightmare", {120, 8400, 1095, 615}, kPapyrusBold);
    f.LockFID = Plain("LockFID", "FID", {14400, 5400, 735, 255}, kArial12Bold, Alignment::Centre);
    f.ParametersListBox.name = "ParametersListBox";
    f.ParametersListBox.rect = {12960, 6000, 2175, 3375};
    f.ParametersListBox.font = kCourier975Bold;
    f.PlotFID = Picture("PlotFID", {15120, 6000, 3975, 2655});
    f.PlotFID.scale.top = 1000;
    f.PlotFID.scale.height = -2000;
    f.MxLabel = OnWhite("MxLabel", "Mx", {16560, 5760, 1095, 255}, kArial, Alignment::Centre);
    f.TimeLabel = Plain("TimeLabel", "0", {16560, 8640, 615, 255}, kArial, Alignment::Right);
    f.Label8 = Plain("Label8", "Time (s)", {18360, 8640, 735, 255}, kArial, Alignment::Right);
    f.Shape1 = Solid("Shape1", {12960, 5280, 3375, 4215}, BorderStyle::None, colours::Window);
    f.LockLine1 = Segment("LockLine1", 3840, 7200, 4440, 7680, colours::Black, 8);
    f.LockLine2 = Segment("LockLine2", 3840, 7200, 3360, 8280, colours::Black, 4);
    f.Timer1 = {.enabled = true, .intervalMs = 10};
}

void LayOutSample(MainForm& f) {
    f.Label5 = Plain("Label5", "Sample Properties:", {120, 9480, 2295, 375}, kArial12Bold,
                     Alignment::Centre);
    f.SampleScramble =
        Push("SampleScramble", "Scramble Sample", {120, 9735, 2175, 360}, kPapyrusBold);
    f.Label10 = Plain("Label10", "PW90 (us)", {2520, 9480, 855, 255}, kSans, Alignment::Centre);
    f.PW90Value = Box("PW90Value", "1", {2520, 9720, 855, 285}, kSans);
    f.Label11 = Plain("Label11", "T1 (s)", {3600, 9480, 855, 255}, kSans, Alignment::Centre);
    f.T1Value = Box("T1Value", "10", {3600, 9720, 855, 285}, kSans);
    f.Label12 = Plain("Label12", "T2 (s)", {4680, 9480, 855, 255}, kSans, Alignment::Centre);
    f.T2Value = Box("T2Value", "5", {4680, 9720, 855, 285}, kSans);
    f.Help = Push("Help", "Help", {5880, 9600, 975, 375}, kArial);
}

}  // namespace

MainForm MakeMainForm() {
    MainForm f;
    LayOutTopRow(f);
    LayOutNuclei(f);
    LayOutField(f);
    LayOutConsole(f);
    LayOutSample(f);
    return f;
}
