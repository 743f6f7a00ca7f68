#include "kymbral_window.h"

#include <QImage>
#include <QTimer>

#include "form_activate.h"
#include "form_load.h"
#include "main_form_controls.h"
#include "main_form_events.h"
#include "main_form_layout.h"
#include "qt_appearance.h"
#include "qt_message_boxes.h"
#include "qt_waiter.h"

namespace {

// The timer has no place on the form; its ticks are bound with the events.
void AddControls(FormView& view, MainForm& f) {
    ForEachControl(f, [&view](auto& control) {
        if constexpr (!kIsA<Timer, decltype(control)>) {
            view.Add(control);
        }
    });
}

}  // namespace

KymbralWindow::KymbralWindow(Clock& clock, MessageBoxes* messages) {
    if (messages == nullptr) {
        ownMessages_ = std::make_unique<QtMessageBoxes>(&view);
        messages = ownMessages_.get();
    }
    waiter_ = std::make_unique<QtWaiter>(view);
    kymbral_ = std::make_unique<Kymbral>(clock, *messages, *waiter_);
    kymbral_->form = MakeMainForm();

    view.setObjectName(kProgramName);
    view.setWindowTitle(QString::fromStdString(kFormCaption));
    view.resize(kFormWidth / kTwipsPerPixel, kFormHeight / kTwipsPerPixel);
    view.SetBackground(QImage(":/kymbral/console_background.jpg"));
    AddControls(view, kymbral_->form);
    BindMainFormEvents(view, *kymbral_);
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
