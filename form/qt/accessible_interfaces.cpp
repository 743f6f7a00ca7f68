#include "accessible_interfaces.h"

#include <vector>

#include "button_widget.h"
#include "form_view.h"
#include "picture_widget.h"

namespace {

QString Text(const AccessibleFacts& facts, QAccessible::Text t) {
    switch (t) {
        case QAccessible::Name:
            return QString::fromStdString(facts.name);
        case QAccessible::Description:
            return QString::fromStdString(facts.description);
        case QAccessible::Value:
            return QString::fromStdString(facts.value);
        default:
            return {};
    }
}

// Widgets are asked for as they are made, before the form knows them: the
// interfaces find their facts when they are asked.
QAccessibleInterface* Factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (dynamic_cast<FormView*>(widget) || dynamic_cast<PictureWidget*>(widget)) {
        return new SurfaceAccessible(widget);
    }
    if (dynamic_cast<ButtonWidget*>(widget)) return new ButtonAccessible(widget);
    return nullptr;
}

const AccessibleControls::Control* ControlOf(const QWidget& widget) {
    AccessibleControls* controls = AccessibleControls::Of(widget);
    return controls ? controls->Find(widget) : nullptr;
}

std::vector<AccessibleControls::Control*> ChildrenOf(const QWidget& holder) {
    AccessibleControls* controls = AccessibleControls::Of(holder);
    return controls ? controls->Children(holder) : std::vector<AccessibleControls::Control*>{};
}

QAccessibleInterface* InterfaceOf(const QWidget& holder, AccessibleControls::Control& control) {
    return AccessibleControls::Of(holder)->InterfaceOf(control);
}

}  // namespace

void InstallAccessibleInterfaces() {
    static bool installed = false;
    if (std::exchange(installed, true)) return;
    QAccessible::installFactory(Factory);
}

QWindow* PaintedAccessible::window() const {
    return control_.holder->window()->windowHandle();
}

QAccessibleInterface* PaintedAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(control_.holder);
}

QString PaintedAccessible::text(QAccessible::Text t) const {
    return Text(control_.Facts(), t);
}

QRect PaintedAccessible::rect() const {
    QRect place = control_.place();
    return QRect(control_.holder->mapToGlobal(place.topLeft()), place.size());
}

QAccessible::Role PaintedAccessible::role() const {
    return QtRole(control_.Facts().role);
}

QAccessible::State PaintedAccessible::state() const {
    QAccessible::State state;
    state.readOnly = true;
    state.invisible = !control_.shown();
    return state;
}

void* PaintedAccessible::interface_cast(QAccessible::InterfaceType type) {
    bool meter = control_.Facts().role == AccessibleRole::Meter;
    if (type == QAccessible::ValueInterface && meter) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return nullptr;
}

QVariant PaintedAccessible::currentValue() const {
    return QString::fromStdString(control_.Facts().value).toDouble();
}

SurfaceAccessible::SurfaceAccessible(QWidget* widget)
    : QAccessibleWidget(widget, widget->isWindow() ? QAccessible::Window : QAccessible::Graphic) {}

int SurfaceAccessible::childCount() const {
    return static_cast<int>(ChildrenOf(*widget()).size());
}

QAccessibleInterface* SurfaceAccessible::child(int index) const {
    auto children = ChildrenOf(*widget());
    if (index < 0 || index >= static_cast<int>(children.size())) return nullptr;
    return InterfaceOf(*widget(), *children[static_cast<std::size_t>(index)]);
}

int SurfaceAccessible::indexOfChild(const QAccessibleInterface* child) const {
    auto children = ChildrenOf(*widget());
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (InterfaceOf(*widget(), *children[i]) == child) return static_cast<int>(i);
    }
    return -1;
}

QAccessibleInterface* SurfaceAccessible::childAt(int x, int y) const {
    // The topmost: widgets lie above what is painted.
    QAccessibleInterface* found = nullptr;
    for (auto* control : ChildrenOf(*widget())) {
        QAccessibleInterface* iface = InterfaceOf(*widget(), *control);
        if (!iface->rect().contains(x, y)) continue;
        if (found == nullptr || control->widget != nullptr) found = iface;
    }
    return found;
}

QString SurfaceAccessible::text(QAccessible::Text t) const {
    const auto* control = ControlOf(*widget());
    return control ? Text(control->Facts(), t) : QAccessibleWidget::text(t);
}

QAccessible::Role SurfaceAccessible::role() const {
    const auto* control = ControlOf(*widget());
    return control ? QtRole(control->Facts().role) : QAccessibleWidget::role();
}

ButtonAccessible::ButtonAccessible(QWidget* widget)
    : QAccessibleWidget(widget, QAccessible::Button) {}

AccessibleFacts ButtonAccessible::Facts() const {
    const auto* control = ControlOf(*widget());
    if (control) return control->Facts();
    return {.role = AccessibleRole::Button,
            .name = static_cast<QAbstractButton*>(widget())->text().toStdString()};
}

QString ButtonAccessible::text(QAccessible::Text t) const {
    return Text(Facts(), t);
}

QAccessible::Role ButtonAccessible::role() const {
    return QtRole(Facts().role);
}

void* ButtonAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface && Facts().role == AccessibleRole::SpinButton) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QStringList ButtonAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (Facts().role == AccessibleRole::SpinButton) {
        names << increaseAction() << decreaseAction();
    } else {
        names << pressAction();
    }
    return names;
}

void ButtonAccessible::doAction(const QString& action) {
    auto& button = static_cast<ButtonWidget&>(*widget());
    if (action == increaseAction()) {
        button.ClickWith(kRightButton);
    } else if (action == decreaseAction() || action == pressAction()) {
        button.ClickWith(kLeftButton);
    } else {
        QAccessibleWidget::doAction(action);
    }
}

QVariant ButtonAccessible::currentValue() const {
    return QString::fromStdString(Facts().value).toInt();
}

QVariant ButtonAccessible::maximumValue() const {
    return Facts().maximum;
}

QVariant ButtonAccessible::minimumValue() const {
    return Facts().minimum;
}
