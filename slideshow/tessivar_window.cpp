#include "tessivar_window.h"

#include <QCoreApplication>
#include <QTimer>

#include "qt_appearance.h"
#include "qt_message_boxes.h"
#include "slide_view.h"

TessivarWindow::TessivarWindow(MessageBoxes* messages, WorkingDirectory workingDirectory) {
    UseEmbeddedFonts();  // before anything is drawn
    if (messages == nullptr) {
        ownMessages_ = std::make_unique<QtMessageBoxes>(&view);
        messages = ownMessages_.get();
    }
    show_ = std::make_unique<SlideShow>(*messages, images_, std::move(workingDirectory));

    view.setObjectName(kProgramName);
    view.setWindowTitle(kFormCaption);
    view.resize(kFormWidth / kTwipsPerPixel, kFormHeight / kTwipsPerPixel);
    // The window shows the very picture that was checked when the slide was shown.
    view.SetImageLoader([this](const std::string& path) { return images_.Loaded(path); });
    AddSlideControls(view, show_->form);
    BindSlideEvents(view, *show_);
    view.SetAfterEvent([this] {
        if (show_->exitCode != 0) QCoreApplication::exit(show_->exitCode);
    });
}

TessivarWindow::~TessivarWindow() = default;

void TessivarWindow::Open() {
    Form_Load(*show_);
    view.Sync();
    view.show();
    QTimer::singleShot(0, &view, [this] { view.Dispatch([this] { Form_Activate(*show_); }); });
}
