#include "accessible_controls.h"

#include <QAccessibleEvent>
#include <algorithm>
#include <cmath>
#include <optional>
#include <unordered_map>

#include "accessible_interfaces.h"
#include "qt_appearance.h"
#include "reading_order.h"

namespace {

std::unordered_map<const QWidget*, AccessibleControls*>& Known() {
    static std::unordered_map<const QWidget*, AccessibleControls*> known;
    return known;
}

TwipRect InTwips(const QRect& rect) {
    return {rect.x() * kTwipsPerPixel, rect.y() * kTwipsPerPixel, rect.width() * kTwipsPerPixel,
            rect.height() * kTwipsPerPixel};
}

template <class Item>
std::vector<Item*> InReadingOrder(std::vector<Item*> items, auto placeOf) {
    std::vector<TwipRect> rects;
    for (Item* item : items) rects.push_back(InTwips(placeOf(*item)));
    std::vector<Item*> ordered;
    for (std::size_t i : ReadingOrder(rects)) ordered.push_back(items[i]);
    return ordered;
}

}  // namespace

QAccessible::Role QtRole(AccessibleRole role) {
    switch (role) {
        case AccessibleRole::Button:
            return QAccessible::Button;
        case AccessibleRole::SpinButton:
            return QAccessible::SpinBox;
        case AccessibleRole::CheckBox:
            return QAccessible::CheckBox;
        case AccessibleRole::List:
            return QAccessible::List;
        case AccessibleRole::TextBox:
            return QAccessible::EditableText;
        case AccessibleRole::Text:
            return QAccessible::StaticText;
        case AccessibleRole::Meter:
            // Qt has no meter; AT-SPI readers speak a progress bar's value.
            return QAccessible::ProgressBar;
        case AccessibleRole::Image:
            return QAccessible::Graphic;
        case AccessibleRole::None:
            break;
    }
    return QAccessible::NoRole;
}

AccessibleControls::AccessibleControls() : listening_(QAccessible::isActive()) {
    clock_.start();
    due_.setSingleShot(true);
    due_.callOnTimeout([this] { AnnounceDue(); });
    QAccessible::installActivationObserver(this);
}

AccessibleControls::~AccessibleControls() {
    QAccessible::removeActivationObserver(this);
    for (const auto& control : controls_) {
        if (control->painted != 0) QAccessible::deleteAccessibleInterface(control->painted);
    }
    std::erase_if(Known(), [this](const auto& entry) { return entry.second == this; });
}

void AccessibleControls::AddHolder(QWidget& holder) {
    holders_.push_back(&holder);
    Known()[&holder] = this;
}

void AccessibleControls::Add(Control control) {
    if (control.widget != nullptr) Known()[control.widget] = this;
    controls_.push_back(std::make_unique<Control>(std::move(control)));
}

void AccessibleControls::AddPainted(const Label& label, QWidget& holder,
                                    std::function<QPoint()> origin) {
    Add({.model = &label,
         .kind = [&label](bool takesClick) { return KindFacts(label, takesClick); },
         .holder = &holder,
         .place = [&label, origin] { return PixelRect(label.rect).translated(origin()); },
         .shown = [&label] { return label.visible; }});
}

void AccessibleControls::StandIn(const Label& label, QWidget& widget) {
    for (const auto& control : controls_) {
        if (control->model != &label) continue;
        control->widget = &widget;
        Known()[&widget] = this;
    }
}

void AccessibleControls::Describe(const void* model, Describer describer) {
    for (const auto& control : controls_) {
        if (control->model == model) control->described = describer;
    }
}

std::vector<AccessibleControls::Control*> AccessibleControls::Children(const QWidget& holder) {
    std::vector<Control*> told;
    for (const auto& control : controls_) {
        bool tells = control->Facts().role != AccessibleRole::None;
        if (control->holder == &holder && tells && control->shown()) told.push_back(control.get());
    }
    return InReadingOrder(std::move(told), [](const Control& c) { return c.place(); });
}

QAccessibleInterface* AccessibleControls::InterfaceOf(Control& control) {
    if (control.widget != nullptr) return QAccessible::queryAccessibleInterface(control.widget);
    if (control.painted == 0) {
        control.painted = QAccessible::registerAccessibleInterface(new PaintedAccessible(control));
    }
    return QAccessible::accessibleInterface(control.painted);
}

const AccessibleControls::Control* AccessibleControls::Find(const QWidget& widget) const {
    for (const auto& control : controls_) {
        if (control->widget == &widget) return control.get();
    }
    return nullptr;
}

bool AccessibleControls::Holds(const QWidget& widget) const {
    return std::find(holders_.begin(), holders_.end(), &widget) != holders_.end();
}

std::vector<QWidget*> AccessibleControls::TabStops(const QWidget& form) const {
    std::vector<QWidget*> stops;
    for (const auto& control : controls_) {
        QWidget* widget = control->widget;
        if (widget != nullptr && (widget->focusPolicy() & Qt::TabFocus)) stops.push_back(widget);
    }
    return InReadingOrder(std::move(stops), [&form](const QWidget& widget) {
        return QRect(widget.mapTo(&form, QPoint(0, 0)), widget.size());
    });
}

AccessibleControls* AccessibleControls::Of(const QWidget& widget) {
    auto found = Known().find(&widget);
    return found == Known().end() ? nullptr : found->second;
}

void AccessibleControls::Sync() {
    if (!listening_) return;
    double now = Now();
    for (const auto& control : controls_) {
        AccessibleFacts facts = control->Facts();
        if (facts == control->told) continue;
        AccessibleFacts before = std::exchange(control->told, std::move(facts));
        if (control->widget != nullptr) {
            Tell(*control, before);
        } else if (control->pacer.Changed(now)) {
            Announce(*control);
        }
    }
    AnnounceDue();
}

void AccessibleControls::accessibilityActiveChanged(bool active) {
    listening_ = active;
    Sync();
}

void AccessibleControls::Tell(Control& control, const AccessibleFacts& before) {
    const AccessibleFacts& now = control.told;
    QWidget& widget = *control.widget;
    // Setting them announces the change.
    if (widget.accessibleName().toStdString() != now.name) {
        widget.setAccessibleName(QString::fromStdString(now.name));
    }
    if (widget.accessibleDescription().toStdString() != now.description) {
        widget.setAccessibleDescription(QString::fromStdString(now.description));
    }
    if (now.role == AccessibleRole::SpinButton && now.value != before.value) {
        QAccessibleValueChangeEvent event(&widget, QString::fromStdString(now.value).toInt());
        QAccessible::updateAccessibility(&event);
    }
}

void AccessibleControls::Announce(Control& control) {
    QAccessibleInterface* iface = InterfaceOf(control);
    QAccessibleEvent named(iface, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    if (control.told.role == AccessibleRole::Meter) {
        QAccessibleValueChangeEvent valued(iface,
                                           QString::fromStdString(control.told.value).toDouble());
        QAccessible::updateAccessibility(&valued);
    }
}

void AccessibleControls::AnnounceDue() {
    double now = Now();
    std::optional<double> next;
    for (const auto& control : controls_) {
        if (control->pacer.TakeDue(now)) Announce(*control);
        if (auto due = control->pacer.Due(); due && (!next || *due < *next)) next = due;
    }
    if (next) due_.start(static_cast<int>(std::ceil((*next - now) * 1000)));
}
