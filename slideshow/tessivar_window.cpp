#include "tessivar_window.h"

#include <QCoreApplication>
#include <QTimer>

#include "qt_appearance.h"
#include "qt_message_boxes.h"
#include "slide_handlers.h"

namespace {

QImage Shrunk(const QImage& picture, double zoom) {
    if (zoom == 1 || picture.isNull()) return picture;
    return picture.scaled((QSizeF(picture.size()) * zoom).toSize(), Qt::IgnoreAspectRatio,
                          Qt::SmoothTransformation);
}

// Stacking order inside the picture: the first added lies lowest.
void AddControls(FormView& view, SlideForm& f) {
    view.Add(f.Picture1);
    view.Add(f.InfoBox, f.Picture1);
    view.Add(f.InfoLine, f.Picture1);
    view.Add(f.MouseXYLabel, f.Picture1);
    view.Add(f.ClueLabel, f.Picture1);
    view.Add(f.ScoreLabel, f.Picture1);
}

void BindEvents(FormView& view, SlideShow& show, const std::function<void(int)>& ended) {
    view.OnMouseUp(show.form.Picture1, [&show](int button, double x, double y) {
        Picture1_MouseUp(show, button, x, y);
    });
    view.OnMouseMove(show.form.Picture1, [&show](int button, double x, double y) {
        Picture1_MouseMove(show, button, x, y);
    });
    view.SetAfterEvent([&show, &ended] {
        if (show.exitCode != 0) ended(show.exitCode);
    });
}

}  // namespace

TessivarWindow::TessivarWindow(MessageBoxes* messages, PictureFolder folder,
                               std::vector<Slide> deck) {
    UseEmbeddedFonts();  // before anything is drawn
    if (messages == nullptr) {
        ownMessages_ = std::make_unique<QtMessageBoxes>(&view);
        messages = ownMessages_.get();
    }
    show_ = std::make_unique<SlideShow>(*messages, images_, std::move(folder), std::move(deck));

    // The window shows the very picture that was checked when the slide was
    // shown, shrunk to fit when it is larger than the window.
    view.SetImageLoader([this](const std::string& path, double zoom) {
        return Shrunk(images_.Loaded(path), zoom);
    });
    view.setObjectName(kProgramName);
    view.setWindowTitle(kFormCaption);
    view.resize(PixelRect({0, 0, kFormWidth, kFormHeight}).size());
    AddControls(view, show_->form);
    ended = [](int status) { QCoreApplication::exit(status); };
    BindEvents(view, *show_, ended);
}

TessivarWindow::~TessivarWindow() = default;

void TessivarWindow::Open() {
    Form_Load(*show_);
    view.Sync();
    view.show();
    QTimer::singleShot(0, &view, [this] { view.Dispatch([this] { Form_Activate(*show_); }); });
}
