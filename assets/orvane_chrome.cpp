#include <QPolygon>
#include <QString>
#include <array>

#include "draw_kit.h"
#include "embedded_fonts.h"
#include "orvane_layout.h"
#include "orvane_parts.h"

namespace orvane {

namespace {

using kit::Look;
using kit::Span;
namespace colour = kit::colour;

const QColor kDark{39, 48, 59};
const QColor kDarkInk{214, 222, 232};
const QColor kGood{46, 160, 67};
const QColor kWarning{230, 150, 20};

struct Item {
    int left;
    int width;
    const char* caption;
};

const std::array kMenus{Item{8, 34, "File"},          Item{48, 34, "Edit"},
                        Item{88, 38, "View"},         Item{132, 76, "Experiments"},
                        Item{214, 76, "Acquisition"}, Item{296, 56, "Process"},
                        Item{358, 38, "Tools"},       Item{402, 36, "Help"}};

const std::array kTools{Item{8, 56, "Open"},       Item{68, 56, "Save"}, Item{128, 56, "Print"},
                        Item{196, 64, "Spectrum"}, Item{264, 48, "FID"}, Item{316, 64, "Arrays"},
                        Item{392, 64, "Queue"},    Item{460, 64, "Logs"}};

struct Light {
    const char* name;
    const char* state;
};

const std::array kHardware{Light{"Lock", "on"}, Light{"Spin", "20 Hz"}, Light{"VT", "25.0 C"},
                           Light{"Probe", "5 mm BBO"}};
constexpr std::size_t kLockLight = 0;

// Graphics tools down the right edge; the integral tool carries a menu arrow.
constexpr int kToolPitch = 26;
constexpr int kIntegralTool = 2;
const std::array kGraphicsTools{"\u2295",   "\u21f1", "\u222b", "\u03c6",
                                "|\u2194|", "\u2227", "\u2296", "\u2261"};

void DrawTitleBar(QPainter& p) {
    p.fillRect(layout::kTitleBar, kDark);
    kit::Text(p, layout::kTitleBar.adjusted(10, 0, 0, 0),
              "Orvane 4.2  \u2014  Vastrel 400 MHz  \u2014  exp1", Qt::AlignLeft | Qt::AlignVCenter,
              kit::Ui(12, true), Qt::white);
    const std::array glyphs{"\u2013", "\u25a1", "\u2715"};
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const QRect box(1160 + 26 * static_cast<int>(i), 0, 24, 22);
        kit::Text(p, box, glyphs[i], Qt::AlignCenter, kit::Ui(13), Qt::white);
    }
}

void DrawMenuBar(QPainter& p) {
    p.fillRect(layout::kMenuBar, QColor(247, 248, 250));
    for (const Item& m : kMenus) {
        kit::Text(p, QRect(m.left, layout::kMenuBar.top(), m.width, layout::kMenuBar.height()),
                  m.caption, Qt::AlignCenter, kit::Ui(12));
    }
}

void DrawToolBar(QPainter& p, bool locked) {
    const QRect bar = layout::kToolBar;
    p.fillRect(bar, colour::kBar);
    p.setPen(colour::kBorder);
    p.drawLine(bar.bottomLeft(), bar.bottomRight());
    for (const Item& t : kTools)
        kit::Button(p, QRect(t.left, bar.top() + 9, t.width, 32), t.caption);
    for (std::size_t i = 0; i < kHardware.size(); ++i) {
        const QRect cell(760 + 118 * static_cast<int>(i), bar.top() + 9, 112, 32);
        kit::Panel(p, cell);
        p.setPen(Qt::NoPen);
        const bool lock_off = i == kLockLight && !locked;
        p.setBrush(lock_off ? kWarning : kGood);
        p.drawEllipse(QPointF(cell.left() + 12, cell.center().y() + 0.5), 4.5, 4.5);
        kit::Text(p, cell.adjusted(22, 2, 0, -15), kHardware[i].name,
                  Qt::AlignLeft | Qt::AlignVCenter, kit::Ui(10), colour::kMuted);
        kit::Text(p, cell.adjusted(22, 14, 0, -1), lock_off ? "off" : kHardware[i].state,
                  Qt::AlignLeft | Qt::AlignVCenter, kit::Ui(12, true));
    }
}

void DrawCommandRow(QPainter& p, const Slide& slide) {
    p.fillRect(Span(198, 94, 1238, 135), colour::kPage);
    kit::DropDown(p, layout::kWorkspace, "exp1");
    kit::Field(p, layout::kCommandLine, {});
    const QRect typing = layout::kCommandLine.adjusted(10, 0, 0, 0);
    kit::Text(p, typing, slide.command, Qt::AlignLeft | Qt::AlignVCenter, kit::Mono(14, true));
    // The caret sits after what has been typed.
    p.setFont(kit::Mono(14, true));
    const int caret = typing.left() + p.fontMetrics().horizontalAdvance(slide.command) + 2;
    p.fillRect(QRect(caret, layout::kCommandLine.top() + 5, 1, layout::kCommandLine.height() - 10),
               colour::kInk);
    kit::Button(p, Span(1008, 104, 1092, 129), "Abort Acq");
    kit::Button(p, Span(1098, 104, 1160, 129), "Stop");
    kit::Button(p, Span(1166, 104, 1236, 129), "Help");
}

void DrawGraphicsTools(QPainter& p) {
    kit::Panel(p, layout::kToolColumn);
    for (std::size_t i = 0; i < kGraphicsTools.size(); ++i) {
        const QRect tool(1194, 145 + kToolPitch * static_cast<int>(i), 33, 17);
        kit::Button(p, tool, {});
        const bool has_menu = i == kIntegralTool;
        kit::Text(p, tool.adjusted(0, 0, has_menu ? -10 : 0, 0), kGraphicsTools[i], Qt::AlignCenter,
                  QFont(fonts::kSymbols, 10));
        if (!has_menu) continue;
        const QPoint c(tool.right() - 6, tool.center().y());
        p.setPen(Qt::NoPen);
        p.setBrush(colour::kInk);
        p.drawPolygon(QPolygon({c + QPoint(-3, -1), c + QPoint(3, -1), c + QPoint(0, 3)}));
    }
}

const char* StudyText(Queue queue) {
    switch (queue) {
        case Queue::kWelcome:
            return "No study";
        case Queue::kNewStudy:
            return "Study 0012";
        default:
            return "Study 0012  \u00b7  Proton_001";
    }
}

void DrawStatusBar(QPainter& p, const Slide& slide) {
    const QRect bar = layout::kStatusBar;
    p.fillRect(bar, colour::kBar);
    p.setPen(colour::kBorder);
    p.drawLine(bar.topLeft(), bar.topRight());
    const bool busy = slide.queue == Queue::kLocking || slide.queue == Queue::kShimming ||
                      slide.queue == Queue::kAcquiring;
    kit::Text(p, Span(10, 643, 190, 660), busy ? "Status: running" : "Status: idle",
              Qt::AlignLeft | Qt::AlignVCenter);
    kit::Text(p, Span(204, 643, 284, 660), "Acquisition", Qt::AlignRight | Qt::AlignVCenter);
    kit::Field(p, Span(290, 643, 380, 660), slide.acquisition);
    kit::Text(p, Span(400, 643, 620, 660), StudyText(slide.queue), Qt::AlignLeft | Qt::AlignVCenter,
              kit::Ui(11), colour::kMuted);
    kit::Text(p, Span(630, 643, 714, 660), "Message", Qt::AlignRight | Qt::AlignVCenter);
    kit::Field(p, Span(720, 643, 938, 660), slide.message);
}

void DrawConsoleBar(QPainter& p) {
    const QRect bar = layout::kConsoleBar;
    p.fillRect(bar, kDark);
    const QString text =
        "Vastrel 400 MHz   \u00b7   console ready   \u00b7   user: student   \u00b7   "
        "data: /home/student/orvane/data";
    kit::Text(p, bar.adjusted(10, 0, 0, 0), text, Qt::AlignLeft | Qt::AlignVCenter, kit::Ui(11),
              kDarkInk);
}

}  // namespace

void DrawChrome(QPainter& p, const Slide& slide) {
    DrawTitleBar(p);
    DrawMenuBar(p);
    DrawToolBar(p, slide.lock_on);
    DrawCommandRow(p, slide);
    DrawGraphicsTools(p);
    DrawStatusBar(p, slide);
    DrawConsoleBar(p);
}

}  // namespace orvane
