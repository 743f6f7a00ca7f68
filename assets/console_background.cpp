#include "console_background.h"

#include <QPainter>
#include <array>

#include "draw_kit.h"
#include "lock_dial.h"

namespace {

using kit::Look;
using kit::Span;

constexpr int kWidth = 1445;
constexpr int kHeight = 633;
constexpr int kPageTop = 354;  // everything above stays white for the simulator's own views
constexpr int kBarBottom = 396;

struct Caption {
    QRect rect;
    const char* text;
};

struct Setting {
    QRect rect;
    const char* name;
    const char* value;
    const char* step;
};

const std::array kTabs{Caption{Span(4, 362, 66, 396), "Start"},
                       Caption{Span(69, 362, 136, 391), "Acquire"},
                       Caption{Span(139, 362, 206, 391), "Process"}};

const std::array kBarButtons{
    Caption{Span(214, 362, 266, 390), "Insert"},
    Caption{Span(271, 362, 316, 390), "Eject"},
    Caption{Span(329, 362, 401, 390), "Lock scan"},
    Caption{Span(407, 362, 520, 390), "Setup hardware"},
    Caption{Span(526, 362, 613, 390), "Auto lock"},
    Caption{Span(619, 362, 706, 390), "Auto tune"},
    Caption{Span(712, 362, 816, 390), "Gradient shim"},
};

// The shim page is open, so its entry is the highlighted one.
constexpr int kOpenMenuEntry = 2;
const std::array kMenu{"Sample Info", "Lock",       "Shim",      "Spin/Temp",
                       "Pulse Cal",   "Probe Tune", "Gradients", "Decoupler",
                       "Temp Cal",    "Queue",      "Settings"};

const std::array kLockButtons{Caption{Span(88, 402, 170, 421), "Lock scan"},
                              Caption{Span(88, 425, 170, 444), "FID scan"}};

const std::array kLockSettings{Setting{Span(88, 450, 170, 482), "z0", "51", "\u00b11"},
                               Setting{Span(88, 490, 170, 520), "Lk Power", "20", "\u00b11"},
                               Setting{Span(88, 530, 170, 560), "Lk Gain", "20", "\u00b11"},
                               Setting{Span(88, 570, 170, 600), "Lk Phase", "140", "\u00b11"}};

// The shim grid, column by column; Z1 and Z2 head the first column, Z3 and Z4
// sit in the middle of the second, where the simulator's knobs lie over them.
constexpr int kShimRows = 5;
constexpr QPoint kShimOrigin{345, 405};
constexpr QSize kShimBox{126, 28};
constexpr QSize kShimPitch{128, 30};
// The Z3 knob reaches 9 pixels above its box, so the box over Z3 is a low one.
constexpr std::size_t kLowShimBox = 6;
constexpr int kLowShimBottom = 452;
const std::array kShims{
    Setting{{}, "Z1", "0", "\u00b11"},           Setting{{}, "Z2", "0", "\u00b11"},
    Setting{{}, "X", "-412", "\u00b110"},        Setting{{}, "Y", "1187", "\u00b110"},
    Setting{{}, "XZ", "-96", "\u00b110"},        Setting{{}, "XY", "233", "\u00b110"},
    Setting{{}, "X2-Y2", "-1540", "\u00b110"},   Setting{{}, "Z3", "0", "\u00b11"},
    Setting{{}, "Z4", "0", "\u00b11"},           Setting{{}, "YZ", "640", "\u00b110"},
    Setting{{}, "Z5", "-2210", "\u00b110"},      Setting{{}, "XZ2", "158", "\u00b110"},
    Setting{{}, "YZ2", "-75", "\u00b110"},       Setting{{}, "ZXY", "402", "\u00b110"},
    Setting{{}, "Z(X2-Y2)", "-318", "\u00b110"}, Setting{{}, "Z6", "905", "\u00b110"},
    Setting{{}, "X3", "-27", "\u00b110"},        Setting{{}, "Y3", "311", "\u00b110"},
    Setting{{}, "Z3X", "-1290", "\u00b110"},     Setting{{}, "Z3Y", "86", "\u00b110"},
};

const std::array kShimFileButtons{
    Caption{Span(496, 563, 610, 580), "Read default shims"},
    Caption{Span(614, 563, 672, 580), "Save1"},
    Caption{Span(676, 563, 734, 580), "Read1"},
    Caption{Span(738, 563, 796, 580), "Save2"},
    Caption{Span(800, 563, 864, 580), "Read2"},
    Caption{Span(496, 583, 630, 600), "Read shims from pars"},
    Caption{Span(634, 583, 745, 600), "Save shims"},
    Caption{Span(749, 583, 864, 600), "Read shims"},
};

void DrawBar(QPainter& p) {
    p.fillRect(Span(0, kPageTop, kWidth - 1, kBarBottom), kit::colour::kBar);
    p.setPen(kit::colour::kBorder);
    p.drawLine(0, kPageTop, kWidth - 1, kPageTop);
    p.drawLine(0, kBarBottom, kWidth - 1, kBarBottom);
    for (std::size_t i = 0; i < kTabs.size(); ++i)
        kit::Tab(p, kTabs[i].rect, kTabs[i].text, i == 0);
    for (const Caption& button : kBarButtons)
        kit::Button(p, button.rect, button.text, Look::kPlain, kit::Ui(12));
}

void DrawMenu(QPainter& p) {
    kit::Panel(p, Span(-2, 398, 82, kHeight + 2));
    for (std::size_t i = 0; i < kMenu.size(); ++i) {
        const QRect entry(1, 402 + 20 * static_cast<int>(i), 80, 20);
        kit::MenuItem(p, entry, kMenu[i], i == kOpenMenuEntry);
    }
}

void DrawLockColumn(QPainter& p) {
    for (const Caption& button : kLockButtons) kit::Button(p, button.rect, button.text);
    for (const Setting& s : kLockSettings) kit::ValueBox(p, s.rect, s.name, s.value, s.step);
}

void DrawLockMeter(QPainter& p) {
    DrawLockDial(p, QPointF(256, 480), 79);
    kit::Text(p, Span(200, 573, 251, 590), "Lock", Qt::AlignRight | Qt::AlignVCenter,
              kit::Ui(13, true));
    kit::Field(p, Span(256, 573, 297, 590), "53.2", kit::Ui(12, true), Qt::AlignCenter);
}

void DrawShimGrid(QPainter& p) {
    p.setPen(kit::colour::kBorder);
    p.setBrush(QColor(247, 249, 251));
    p.drawRect(Span(342, 403, 861, 555));
    for (std::size_t i = 0; i < kShims.size(); ++i) {
        const int column = static_cast<int>(i) / kShimRows;
        const int row = static_cast<int>(i) % kShimRows;
        const QPoint corner =
            kShimOrigin + QPoint(column * kShimPitch.width(), row * kShimPitch.height());
        QRect box(corner, kShimBox);
        if (i == kLowShimBox) box.setBottom(kLowShimBottom);
        const Setting& s = kShims[i];
        kit::ValueBox(p, box, s.name, s.value, s.step);
    }
}

void DrawUnderGrid(QPainter& p) {
    kit::Button(p, Span(344, 568, 401, 585), "Spin on");
    kit::Button(p, Span(344, 589, 401, 606), "Spin off");
    kit::Text(p, Span(405, 568, 430, 585), "Spin", Qt::AlignLeft | Qt::AlignVCenter);
    kit::Text(p, Span(432, 568, 492, 584), "Regulated", Qt::AlignLeft | Qt::AlignVCenter);
    kit::Text(p, Span(432, 585, 492, 601), "20 Hz", Qt::AlignLeft | Qt::AlignVCenter);
    for (const Caption& button : kShimFileButtons)
        kit::Button(p, button.rect, button.text, Look::kPlain, kit::Ui(10));
    kit::Text(p, Span(410, 604, 478, 621), "Receiver gain", Qt::AlignRight | Qt::AlignVCenter);
    kit::Field(p, Span(482, 604, 530, 621), "30");
    kit::Text(p, Span(650, 604, 712, 621), "File", Qt::AlignRight | Qt::AlignVCenter);
    kit::Field(p, Span(716, 604, 862, 621), "default");
}

void DrawAutoshim(QPainter& p) {
    kit::Panel(p, Span(870, 405, 1075, 530), "Autoshim");
    kit::CheckBox(p, Span(880, 430, 1065, 448), "Shim on lock level", true);
    kit::Text(p, Span(880, 454, 940, 472), "Method", Qt::AlignLeft | Qt::AlignVCenter);
    kit::DropDown(p, Span(944, 454, 1065, 472), "z1-z4");
    kit::Text(p, Span(880, 478, 940, 496), "Target", Qt::AlignLeft | Qt::AlignVCenter);
    kit::Field(p, Span(944, 478, 1000, 496), "80");
    kit::Button(p, Span(944, 503, 1065, 522), "Start autoshim");
}

// Beyond the Autoshim panel the page simply goes on: a status panel.
void DrawStatus(QPainter& p) {
    kit::Panel(p, Span(1082, 405, 1440, 622), "Console status");
    const std::array lines{"Lock: on", "Spinner: 20 Hz, regulated", "Temperature: 25.0 C",
                           "Probe: 5 mm broadband", "Sample: in magnet"};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QRect row(1092, 430 + 22 * static_cast<int>(i), 340, 20);
        kit::Text(p, row, lines[i], Qt::AlignLeft | Qt::AlignVCenter, kit::Ui(12));
    }
}

}  // namespace

QImage DrawConsoleBackground(int ratio) {
    QImage image(kWidth * ratio, kHeight * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter p(&image);
    PaintConsoleBackground(p);
    return image;
}

void PaintConsoleBackground(QPainter& p) {
    p.fillRect(Span(0, kPageTop, kWidth - 1, kHeight - 1), kit::colour::kPage);
    DrawBar(p);
    DrawMenu(p);
    DrawLockColumn(p);
    DrawLockMeter(p);
    DrawShimGrid(p);
    DrawUnderGrid(p);
    DrawAutoshim(p);
    DrawStatus(p);
}
