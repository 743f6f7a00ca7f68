#include "button_widget.h"

#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "input_codes.h"
#include "key_clicks.h"
#include "key_codes.h"

ButtonWidget::ButtonWidget(Button& model, QWidget* parent) : QPushButton(parent), model_(model) {
    setObjectName(QString::fromStdString(model.name));
    Sync();
}

void ButtonWidget::SetMouseUpHandler(std::function<void(int)> handler) {
    onMouseUp_ = std::move(handler);
}

void ButtonWidget::Sync() {
    if (applied_.Same(model_)) return;
    SyncFrame(*this, model_, applied_);
    if (applied_.Changed(model_, &Button::caption)) setText(DisplayText(model_.caption));
    if (applied_.Changed(model_, &Button::enabled)) setEnabled(model_.enabled);
    applied_.Remember(model_);
}

void ButtonWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        QPushButton::mousePressEvent(event);
        return;
    }
    // Accepting the press keeps the mouse with this button until its release.
    event->accept();
}

void ButtonWidget::mouseReleaseEvent(QMouseEvent* event) {
    int code = MouseButtonCode(event->button());
    if (code != 0 && onMouseUp_) onMouseUp_(code);
    if (event->button() == Qt::LeftButton) {
        QPushButton::mouseReleaseEvent(event);
        return;
    }
    event->accept();
}

void ButtonWidget::ClickWith(int button) {
    if (!isEnabled()) return;
    if (onMouseUp_) onMouseUp_(button);
    if (button == kLeftButton) click();
}

void ButtonWidget::keyPressEvent(QKeyEvent* event) {
    int key = KeyCode(*event);
    // A held key steps a knob on, as on any spin button.
    if (int button = onMouseUp_ ? KnobButtonFor(key) : 0) {
        ClickWith(button);
    } else if (key == kEnterKey && !onMouseUp_) {
        if (!event->isAutoRepeat()) click();
    } else {
        QPushButton::keyPressEvent(event);
    }
}

void ButtonWidget::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.setPen(palette().color(group, QPalette::ButtonText));
    QRect textArea = rect().adjusted(3, 1, -3, -1);
    if (isDown()) textArea.translate(1, 1);
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
}
