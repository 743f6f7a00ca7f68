#include "tessivar_window.h"

#include <QCoreApplication>
#include <QTimer>

#include "qt_message_boxes.h"
#include "slide_handlers.h"

namespace {

// Stacking order inside the picture: the first added lies lowest.
void AddControls(FormView& view, SlideForm& f) {
    view.Add(f.Picture1);
    view.Add(f.InfoBox, f.Picture1);
    view.Add(f.InfoLine, f.Picture1);
    view.Add(f.MouseXYLabel, f.Picture1);
    view.Add(f.ClueLabel, f.Picture1);
    view.Add(f.ScoreLabel, f.Picture1);
}

void BindEvents(FormView& view, SlideShow& show) {
    view.OnMouseUp(show.form.Picture1, [&show](int button, double x, double y) {
        Picture1_MouseUp(show, button, x, y);
    });
    view.OnMouseMove(show.form.Picture1, [&show](int button, double x, double y) {
        Picture1_MouseMove(show, button, x, y);
    });
    view.SetAfterEvent([&show] {
        if (show.exitCode != 0) QCoreApplication::exit(show.exitCode);
    });
}

}  // namespace

TessivarWindow::TessivarWindow(MessageBoxes* messages, WorkingDirectory workingDirectory) {
    if (messages == nullptr) {
        ownMessages_ = std::make_unique<QtMessageBoxes>(&view);
        messages = ownMessages_.get();
    }
    show_ = std::make_unique<SlideShow>(*messages, images_, std::move(workingDirectory));

    view.setObjectName(kProgramName);
    view.setWindowTitle(kFormCaption);
    view.resize(kFormWidth / kTwipsPerPixel, kFormHeight / kTwipsPerPixel);
    AddControls(view, show_->form);
    BindEvents(view, *show_);
}

TessivarWindow::~TessivarWindow() = default;

void TessivarWindow::Open() {
    Form_Load(*show_);
    view.Sync();
    view.show();
    QTimer::singleShot(0, &view, [this] { view.Dispatch([this] { Form_Activate(*show_); }); });
}
