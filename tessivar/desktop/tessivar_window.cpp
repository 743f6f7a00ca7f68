#include "tessivar_window.h"

#include <QCoreApplication>
#include <QTimer>

#include "qt_appearance.h"
#include "qt_message_boxes.h"
#include "slide_access.h"
#include "slide_view.h"

namespace {

QImage Shrunk(const QImage& picture, double zoom) {
    if (zoom == 1 || picture.isNull()) return picture;
    QImage shrunk = picture.scaled((QSizeF(picture.size()) * zoom).toSize(), Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation);
    shrunk.setDevicePixelRatio(picture.devicePixelRatio());  // drawn for the same screen
    return shrunk;
}

}  // namespace

TessivarWindow::TessivarWindow(MessageBoxes* messages, PictureFolder folder,
                               std::vector<Slide> deck, Reports* reports) {
    UseEmbeddedFonts();  // before anything is drawn
    if (messages == nullptr) {
        ownMessages_ = std::make_unique<QtMessageBoxes>(&view);
        messages = ownMessages_.get();
    }
    show_ = std::make_unique<SlideShow>(*messages, images_, clock_, reports ? *reports : nowhere_,
                                        std::move(folder), std::move(deck));

    // The window shows the very picture that was checked when the slide was
    // shown, shrunk to fit when it is larger than the window.
    view.SetImageLoader([this](const std::string& path, double zoom) {
        return Shrunk(images_.Loaded(path), zoom);
    });
    view.setObjectName(tessivar::kProgramName);
    view.setWindowTitle(tessivar::kFormCaption);
    view.resize(PixelRect({0, 0, tessivar::kFormWidth, tessivar::kFormHeight}).size());
    AddSlideControls(view, show_->form);
    BindSlideEvents(view, *show_);
    DescribeSlideForm(view, *show_);
    ended = [](int status) { QCoreApplication::exit(status); };
    view.SetAfterEvent([this] {
        if (show_->exitCode != 0) ended(show_->exitCode);
    });
}

TessivarWindow::~TessivarWindow() = default;

void TessivarWindow::Open() {
    Form_Load(*show_);
    view.Sync();
    view.show();
    QTimer::singleShot(0, &view, [this] { view.Dispatch([this] { Form_Activate(*show_); }); });
}
