#pragma once

#include <QAccessible>
#include <QElapsedTimer>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "accessible.h"
#include "announce_pacer.h"

// The controls of one form as assistive technology meets them: each with its
// facts (the program's, else its kind's), where it lies and what shows it.
// Widgets answer through their own accessibility interfaces; a label painted
// on a surface answers through a stand-in interface made here. After each
// event, what changed is told: names to the widgets, news of painted labels
// paced to once a second while they keep changing. Nothing of this runs
// while no assistive technology listens.
class AccessibleControls : public QAccessible::ActivationObserver {
  public:
    struct Control {
        const void* model = nullptr;
        std::function<AccessibleFacts(bool takesClick)> kind{};
        Describer described{};
        QWidget* holder = nullptr;       // the form, or the picture box it lies in
        QWidget* widget = nullptr;       // what shows it, or stands in for it to take the keys
        std::function<QRect()> place{};  // in the holder's pixels
        std::function<bool()> shown{};
        AccessibleFacts told{};  // as assistive technology last heard them
        AnnouncePacer pacer{};
        QAccessible::Id painted = 0;  // the stand-in interface, once asked for

        AccessibleFacts Facts() const { return described ? described() : kind(widget != nullptr); }
    };

    AccessibleControls();
    ~AccessibleControls() override;
    AccessibleControls(const AccessibleControls&) = delete;
    AccessibleControls& operator=(const AccessibleControls&) = delete;

    // The controls of a form, or of a picture box, are the children of its interface.
    void AddHolder(QWidget& holder);
    // A control shown by a widget of its own.
    template <class Model>
    void AddWidget(const Model& model, QWidget& widget) {
        Add({.model = &model,
             .kind = [&model](bool) { return KindFacts(model); },
             .holder = widget.parentWidget(),
             .widget = &widget,
             .place = [&widget] { return widget.geometry(); },
             .shown = [&widget] { return widget.isVisibleTo(widget.parentWidget()); }});
    }
    // A label painted on a holder whose drawing starts at `origin`.
    void AddPainted(const Label& label, QWidget& holder, std::function<QPoint()> origin);
    // A widget that takes the focus and the keys for a painted label.
    void StandIn(const Label& label, QWidget& widget);
    void Describe(const void* model, Describer describer);

    // The holder's controls that have something to tell, in reading order.
    std::vector<Control*> Children(const QWidget& holder);
    QAccessibleInterface* InterfaceOf(Control& control);
    const Control* Find(const QWidget& widget) const;
    bool Holds(const QWidget& widget) const;
    // The widgets that take the focus by Tab, in reading order across the form.
    std::vector<QWidget*> TabStops(const QWidget& form) const;
    // The registry that knows the widget, if any: the accessibility factory's way in.
    static AccessibleControls* Of(const QWidget& widget);

    // Tells assistive technology what changed since the last time.
    void Sync();
    void accessibilityActiveChanged(bool active) override;

  private:
    void Add(Control control);
    void Tell(Control& control, const AccessibleFacts& before);
    void Announce(Control& control);
    void AnnounceDue();
    double Now() const { return clock_.elapsed() / 1000.0; }

    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<QWidget*> holders_;
    bool listening_;  // whether assistive technology listens
    QElapsedTimer clock_;
    QTimer due_;
};

// How Qt names the role.
QAccessible::Role QtRole(AccessibleRole role);
