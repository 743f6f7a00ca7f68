#include <array>
#include <span>
#include <string_view>

#include "draw_kit.h"
#include "orvane_layout.h"
#include "orvane_pages.h"
#include "orvane_parts.h"

namespace orvane {

namespace {

using kit::Look;
using kit::Span;
namespace colour = kit::colour;

enum class Tab { kStart, kAcquire, kProcess };

struct BarButton {
    int left;
    int right;
    const char* caption;
};

constexpr int kButtonTop = 424;
constexpr int kButtonBottom = 441;

const std::array kStartButtons{
    BarButton{412, 470, "Eject"},     BarButton{475, 535, "Inject"},
    BarButton{541, 631, "Lock Scan"}, BarButton{637, 715, "Auto Lock"},
    BarButton{721, 795, "Auto Tune"}, BarButton{801, 891, "Gradient Shim"}};
const std::array kAcquireButtons{
    BarButton{412, 486, "Acquire"}, BarButton{492, 596, "Setup Hardware"},
    BarButton{602, 666, "Arrayed"}, BarButton{672, 746, "Show Time"}, BarButton{752, 800, "Stop"}};
const std::array kProcessButtons{
    BarButton{412, 478, "Transform"},    BarButton{483, 527, "Phase"},
    BarButton{532, 622, "Auto Process"}, BarButton{628, 694, "Baseline"},
    BarButton{700, 748, "Plot"},         BarButton{754, 830, "Save Data"}};

const std::array<const char*, 5> kStartMenu{"Standard", "Lock", "Shim", "Spin/Temp", "Future"};
const std::array<const char*, 5> kAcquireMenu{"Defaults", "Acquisition", "Sequence", "Channels",
                                              "Future"};
const std::array<const char*, 6> kProcessMenu{"Default", "Weighting", "Integrals",
                                              "Cursors", "Reference", "Plot"};

struct PageInfo {
    Tab tab;
    int menuEntry;
    void (*body)(QPainter&, const Slide&);
};

PageInfo InfoOf(Page page) {
    switch (page) {
        case Page::kStandard:
            return {Tab::kStart, 0, DrawStandardPage};
        case Page::kLock:
            return {Tab::kStart, 1, DrawLockPage};
        case Page::kShim:
            return {Tab::kStart, 2, DrawShimPage};
        case Page::kAcquire:
            return {Tab::kAcquire, 0, DrawAcquirePage};
        case Page::kProcess:
            return {Tab::kProcess, 0, DrawProcessPage};
        case Page::kReference:
            return {Tab::kProcess, 4, DrawReferencePage};
    }
    return {Tab::kStart, 0, DrawStandardPage};
}

std::span<const BarButton> ButtonsOf(Tab tab) {
    switch (tab) {
        case Tab::kStart:
            return kStartButtons;
        case Tab::kAcquire:
            return kAcquireButtons;
        case Tab::kProcess:
            return kProcessButtons;
    }
    return {};
}

std::span<const char* const> MenuOf(Tab tab) {
    switch (tab) {
        case Tab::kStart:
            return kStartMenu;
        case Tab::kAcquire:
            return kAcquireMenu;
        case Tab::kProcess:
            return kProcessMenu;
    }
    return {};
}

bool LockScanRunning(View view) {
    return view == View::kLockWavy || view == View::kLockLow || view == View::kLockHigh;
}

void DrawBar(QPainter& p, Tab open, View view) {
    const QRect bar = layout::kPanelBar;
    p.fillRect(bar, colour::kBar);
    p.setPen(colour::kBorder);
    p.drawLine(bar.topLeft(), bar.topRight());
    const std::array tabs{Span(204, 421, 262, 449), Span(265, 421, 333, 449),
                          Span(336, 421, 404, 449)};
    const std::array names{"Start", "Acquire", "Process"};
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        const bool selected = static_cast<int>(i) == static_cast<int>(open);
        kit::Tab(p, selected ? tabs[i].adjusted(0, 0, 0, 2) : tabs[i], names[i], selected);
    }
    for (const BarButton& b : ButtonsOf(open)) {
        const bool pressed = LockScanRunning(view) && std::string_view(b.caption) == "Lock Scan";
        kit::Button(p, Span(b.left, kButtonTop, b.right, kButtonBottom), b.caption,
                    pressed ? Look::kPressed : Look::kPlain);
    }
}

void DrawMenu(QPainter& p, Tab open, int entry) {
    kit::Panel(p, layout::kPanelMenu);
    const std::span<const char* const> menu = MenuOf(open);
    for (std::size_t i = 0; i < menu.size(); ++i) {
        const QRect row(layout::kPanelMenu.left() + 1,
                        layout::kPanelMenu.top() + 4 + 20 * static_cast<int>(i),
                        layout::kPanelMenu.width() - 2, 20);
        kit::MenuItem(p, row, menu[i], static_cast<int>(i) == entry);
    }
}

}  // namespace

void DrawParameterPanel(QPainter& p, const Slide& slide) {
    p.fillRect(Span(198, 418, 1238, 635), colour::kPage);
    const PageInfo page = InfoOf(slide.page);
    DrawBar(p, page.tab, slide.view);
    DrawMenu(p, page.tab, page.menuEntry);
    kit::Panel(p, layout::kPanelBody);
    kit::Panel(p, Span(946, 455, 1236, 628));
    page.body(p, slide);
}

}  // namespace orvane
