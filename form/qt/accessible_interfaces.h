#pragma once

#include <QAccessibleWidget>

#include "accessible_controls.h"

// Assistive technology's view of the forms' controls, through Qt's
// accessibility interfaces (which reach AT-SPI on Linux). Each answers from
// the control's facts as they are at the moment it is asked.

// Installs the factory that gives the form, its picture boxes and its buttons
// these interfaces; text boxes, lists and check boxes keep Qt's own.
void InstallAccessibleInterfaces();

// A label painted on a surface; a meter's value besides.
class PaintedAccessible : public QAccessibleInterface, public QAccessibleValueInterface {
  public:
    using Control = AccessibleControls::Control;
    explicit PaintedAccessible(Control& control) : control_(control) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return control_.Facts().maximum; }
    QVariant minimumValue() const override { return control_.Facts().minimum; }
    QVariant minimumStepSize() const override { return 0; }

  private:
    Control& control_;
};

// The form and its picture boxes: their painted labels and their widgets are
// their children, in reading order.
class SurfaceAccessible : public QAccessibleWidget {
  public:
    explicit SurfaceAccessible(QWidget* widget);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
};

// A button, and a knob: a spin button whose actions are its clicks.
class ButtonAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit ButtonAccessible(QWidget* widget);

    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& action) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 1; }

  private:
    AccessibleFacts Facts() const;
};
