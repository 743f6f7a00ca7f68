#include "kymbral_window.h"

#include <QImage>
#include <QTimer>

#include "denser_pictures.h"
#include "form_activate.h"
#include "form_load.h"
#include "main_form_access.h"
#include "main_form_events.h"
#include "main_form_layout.h"
#include "main_form_view.h"
#include "qt_appearance.h"
#include "qt_message_boxes.h"
#include "qt_waiter.h"
#include "synced_message_boxes.h"

KymbralWindow::KymbralWindow(Clock& clock, MessageBoxes* messages, Reports* reports) {
    UseEmbeddedFonts();  // before anything is drawn
    if (messages == nullptr) {
        ownMessages_ = std::make_unique<QtMessageBoxes>(&view);
        messages = ownMessages_.get();
    }
    syncedMessages_ = std::make_unique<SyncedMessageBoxes>(view, *messages);
    waiter_ = std::make_unique<QtWaiter>(view);
    kymbral_ =
        std::make_unique<Kymbral>(clock, *syncedMessages_, *waiter_, reports ? *reports : nowhere_);
    kymbral_->form = MakeMainForm();

    view.setObjectName(kymbral::kProgramName);
    view.setWindowTitle(QString::fromStdString(kymbral::kFormCaption));
    view.resize(kymbral::kFormWidth / kTwipsPerPixel, kymbral::kFormHeight / kTwipsPerPixel);
    // The picture is wider than the window; an enlarged window shows the
    // plain form beside it, not the rest of the picture.
    QImage background = ReadForScreen(":/kymbral/console_background.jpg", view.devicePixelRatioF());
    qreal ratio = background.devicePixelRatio();
    QRect shown =
        QRect(QPoint(), background.deviceIndependentSize().toSize()).intersected(view.rect());
    QImage part = background.copy(QRect(shown.topLeft() * ratio, shown.size() * ratio));
    part.setDevicePixelRatio(ratio);
    view.SetBackground(part);
    AddMainFormControls(view, kymbral_->form);
    BindMainFormEvents(view, *kymbral_);
    DescribeMainForm(view, *kymbral_);
}

KymbralWindow::~KymbralWindow() = default;

void KymbralWindow::Open() {
    Form_Load(*kymbral_);
    view.Sync();
    view.show();
    // The one window is activated once, when it first shows; message boxes
    // closing over it are not activations.
    QTimer::singleShot(0, &view, [this] { view.Dispatch([this] { Form_Activate(*kymbral_); }); });
}
