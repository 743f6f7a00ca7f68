#include "label_button.h"

#include <QKeyEvent>

#include "input_codes.h"
#include "key_codes.h"
#include "qt_appearance.h"

LabelButton::LabelButton(const Label& model, QPoint origin, QWidget* parent)
    : QAbstractButton(parent), model_(model), origin_(origin) {
    setObjectName(QString::fromStdString(model.name));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    Sync();
}

void LabelButton::Sync() {
    if (applied_.Same(model_)) return;
    if (applied_.Changed(model_, &Label::rect))
        setGeometry(PixelRect(model_.rect).translated(origin_));
    if (applied_.Changed(model_, &Label::visible)) setVisible(model_.visible);
    applied_.Remember(model_);
}

void LabelButton::keyPressEvent(QKeyEvent* event) {
    if (KeyCode(*event) != kEnterKey) {
        QAbstractButton::keyPressEvent(event);
    } else if (!event->isAutoRepeat()) {
        click();
    }
}
