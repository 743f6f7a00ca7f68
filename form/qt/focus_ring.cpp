#include "focus_ring.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

namespace {

// Dark blue inside a white rim: seen on the picture's white, grey and dark parts.
const QColor kRing(0, 80, 200);
constexpr int kRingWidth = 2;
constexpr int kGap = 0;

// Keys that move the focus, click or move the keyboard pointer.
bool Navigates(int key) {
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Backspace:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            return true;
        default:
            return false;
    }
}

}  // namespace

FocusRing::FocusRing(QWidget& form) : QWidget(&form), form_(form) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(form.rect());
    hide();
    form_.installEventFilter(this);
}

void FocusRing::Watch(QWidget& control, OwnSign ownSign) {
    control.installEventFilter(this);
    watched_[&control] = std::move(ownSign);
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            if (Navigates(static_cast<QKeyEvent*>(event)->key())) keyboard_ = true;
            break;
        case QEvent::FocusIn: {
            Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) keyboard_ = true;
            if (reason == Qt::MouseFocusReason) keyboard_ = false;
            break;
        }
        case QEvent::MouseButtonPress:
            keyboard_ = false;
            break;
        case QEvent::FocusOut:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            break;
        default:
            return false;
    }
    if (watched == &form_ && event->type() == QEvent::Resize) setGeometry(form_.rect());
    if (watched_.contains(watched) || watched == &form_) Update();
    return false;
}

QRect FocusRing::Around(const QWidget& control) const {
    int out = kGap + kRingWidth;
    return QRect(control.mapTo(&form_, QPoint(0, 0)), control.size())
        .adjusted(-out, -out, out, out);
}

void FocusRing::Update() {
    QWidget* focused = QApplication::focusWidget();
    auto found = focused ? watched_.find(focused) : watched_.end();
    bool shown = keyboard_ && found != watched_.end() && focused->isVisible();
    QWidget* signing = shown && found->second ? focused : nullptr;
    if (signed_ != signing) {
        if (signed_) watched_[signed_](false);
        signed_ = signing;
    }
    if (signing) watched_[signing](true);
    QRect ring = shown && !signing ? Around(*focused) : QRect();
    if (ring == ring_) return;
    update(QRegion(ring_.adjusted(-1, -1, 1, 1)) + ring.adjusted(-1, -1, 1, 1));
    ring_ = ring;
    // The pane is there only while it shows a ring, above the controls added since.
    setVisible(!ring_.isNull());
    if (!ring_.isNull()) raise();
}

void FocusRing::paintEvent(QPaintEvent*) {
    if (ring_.isNull()) return;
    QPainter painter(this);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, kRingWidth + 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    QRectF middle = QRectF(ring_).adjusted(kRingWidth / 2.0, kRingWidth / 2.0, -kRingWidth / 2.0,
                                           -kRingWidth / 2.0);
    painter.drawRect(middle);
    painter.setPen(QPen(kRing, kRingWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(middle);
}
