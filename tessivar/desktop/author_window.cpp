#include "author_window.h"

#include <QCloseEvent>
#include <QFileSystemWatcher>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>

#include "author_check.h"
#include "author_guide.h"
#include "check_progress_dialog.h"
#include "covered_areas.h"
#include "keyed_target.h"
#include "qt_image_source.h"
#include "qt_message_boxes.h"
#include "target_picture_widget.h"
#include "tessivar_window.h"

namespace {

QString ToQString(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

// The editor breaks lines with line feeds, the show with carriage returns.
QString EditorText(const std::string& text) {
    return QString::fromStdString(text).replace('\r', '\n');
}
std::string SlideText(const QString& text) {
    return QString(text).replace('\n', '\r').toStdString();
}

}  // namespace

bool SaveWhole(const std::filesystem::path& file, const std::string& text, QString* error) {
    QSaveFile saving(ToQString(file));
    bool saved = saving.open(QIODevice::WriteOnly) &&
                 saving.write(text.data(), static_cast<qint64>(text.size())) ==
                     static_cast<qint64>(text.size()) &&
                 saving.commit();
    if (!saved && error != nullptr) *error = saving.errorString();
    return saved;
}

AuthorWindow::AuthorWindow(std::filesystem::path folder, QWidget* parent)
    : QWidget(parent), folder_(std::move(folder)) {
    askToSave = [this] {
        return QMessageBox::question(
            this, windowTitle(), "Save the changes to the deck?",
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    };
    setObjectName("Author");
    setWindowTitle("Tessivar deck - " + ToQString(folder_) + "[*]");
    // A trial show sets the application's font to the show's own; this
    // window keeps the desktop's.
    QFont own = font();
    own.setResolveMask(QFont::AllPropertiesResolved);
    setFont(own);
    BuildWidgets();
    Load();
}

AuthorWindow::~AuthorWindow() = default;

// A file that is there but cannot be read is never written over.
void AuthorWindow::Load() {
    std::filesystem::path file = folder_ / kDeckFileName;
    DeckReading reading;
    std::error_code error;
    if (std::filesystem::exists(file, error)) {
        std::optional<std::string> bytes = ReadWholeFile(file);
        if (bytes) reading = ReadDeck(*bytes);
        if (!bytes) unreadable_ = file.string() + " cannot be read";
        if (!reading.decoded) unreadable_ = ProblemsText(reading.problems);
    }
    columns_ = reading.columns;
    pictures_ = PicturesIn(folder_);
    list_ = StartAuthoring(reading, pictures_);
    Refresh();
}

void AuthorWindow::Refresh() {
    int row = Current();
    std::optional<AuthorEntry> chosen;
    if (row >= 0) chosen = list_[row];
    pictures_ = PicturesIn(folder_);
    ListPictures(list_, pictures_);
    std::error_code error;
    if (watcher_->directories().isEmpty() && std::filesystem::is_directory(folder_, error)) {
        watcher_->addPath(ToQString(folder_));
    }
    auto at = chosen ? std::find(list_.begin(), list_.end(), *chosen) : list_.end();
    Fill(at != list_.end() ? static_cast<int>(at - list_.begin()) : std::max(row, 0));
}

// The list shows slides by number, the rows that did not read, and the
// pictures no slide shows.
void AuthorWindow::Fill(int current) {
    QSignalBlocker blocker(slides_);
    slides_->clear();
    for (std::size_t i = 0; i < list_.size(); ++i) {
        const AuthorEntry& entry = list_[i];
        bool missing = Missing(entry);
        auto* item = new QListWidgetItem(Label(i), slides_);
        if (IsUnreadRow(entry)) item->setToolTip(QString::fromStdString(RowText(entry)));
        if (IsUnreadRow(entry) || missing) item->setForeground(QColor(180, 0, 0));
        if (!IsSlide(entry) && !IsUnreadRow(entry)) {
            item->setForeground(palette().color(QPalette::PlaceholderText));
        }
    }
    slides_->setCurrentRow(std::min(current, slides_->count() - 1));
    ShowEntry();
}

bool AuthorWindow::Missing(const AuthorEntry& entry) const {
    return IsSlide(entry) &&
           std::find(pictures_.begin(), pictures_.end(), entry.picture) == pictures_.end();
}

QString AuthorWindow::Label(std::size_t index) const {
    return QString::fromStdString(EntryLabel(list_, index, Missing(list_[index])));
}

void AuthorWindow::ShowEntry() {
    int row = Current();
    const AuthorEntry* entry = row >= 0 ? &list_[row] : nullptr;
    QImage picture;
    std::vector<QRectF> covered;
    if (entry && !IsUnreadRow(*entry)) {
        picture = QImageReader(ToQString(folder_ / entry->picture)).read();
    }
    if (!picture.isNull()) {
        for (const CoveredArea& a : CoveredAreas({picture.width(), picture.height()})) {
            covered.push_back(QRectF(QPointF(a.left, a.top), QPointF(a.right, a.bottom)));
        }
    }
    std::string shown = entry ? entry->picture : "";
    bool samePicture = shown == shownPicture_;
    shownPicture_ = shown;
    picture_->SetPicture(picture);
    picture_->SetShaded(std::move(covered));
    std::optional<QRect> target;
    if (entry && entry->target) {
        const TargetRect& t = *entry->target;
        target = QRect(t.left, t.top, t.width, t.height);
    }
    picture_->SetTarget(target);
    picture_->setAccessibleName(entry ? QString::fromStdString("Target on " + entry->picture) : "");
    picture_->setAccessibleDescription(
        QString::fromStdString(TargetDescription(entry ? entry->target : std::nullopt)));
    // Each picture starts whole in view, from its top left corner.
    if (!samePicture) FitPicture();
    QSignalBlocker blocker(text_);
    text_->setReadOnly(entry && IsUnreadRow(*entry));
    text_->setPlainText(entry && !IsUnreadRow(*entry) ? EditorText(entry->text) : QString());
    text_->moveCursor(QTextCursor::End);
    Guide();
}

void AuthorWindow::FitPicture() {
    QSize picture = picture_->Picture().size();
    QSize view = scroll_->viewport()->size();
    double fit = 1;
    if (!picture.isEmpty()) {
        fit = std::min({1.0, static_cast<double>(view.width()) / picture.width(),
                        static_cast<double>(view.height()) / picture.height()});
    }
    picture_->SetZoom(fit);
    scroll_->horizontalScrollBar()->setValue(0);
    scroll_->verticalScrollBar()->setValue(0);
}

// A line over the picture says what to do next, or what is wrong.
void AuthorWindow::Guide() {
    std::error_code error;
    QImage picture = picture_->Picture();
    AuthorView view{.folder = folder_.string(),
                    .folderExists = std::filesystem::is_directory(folder_, error),
                    .unreadable = unreadable_,
                    .list = list_,
                    .chosen = Current()};
    if (!picture.isNull()) view.picture = PictureSize{picture.width(), picture.height()};
    guide_->setText(QString::fromStdString(AuthorGuide(view)));
}

// Text typed for a picture not yet in the deck stays with it.
void AuthorWindow::TextTyped() {
    int row = Current();
    if (row < 0 || IsUnreadRow(list_[row])) return;
    list_[row].text = SlideText(text_->toPlainText());
    if (!IsSlide(list_[row])) return;
    Changed();
    // A slide's label and the guide say when it has no text.
    slides_->item(row)->setText(Label(static_cast<std::size_t>(row)));
    Guide();
}

void AuthorWindow::TargetDrawn(QRect drawn) {
    int row = Current();
    if (row < 0 || IsUnreadRow(list_[row])) return;
    list_[row].target = TargetRect{drawn.x(), drawn.y(), drawn.width(), drawn.height()};
    Changed();
    Fill(row);
}

// An arrow key sets the target as a drag would.
void AuthorWindow::TargetKeyed(int arrow, Qt::KeyboardModifiers modifiers, QRect inView) {
    int row = Current();
    if (row < 0 || IsUnreadRow(list_[row])) return;
    TargetKey keyed{static_cast<Arrow>(arrow), modifiers.testFlag(Qt::ShiftModifier),
                    modifiers.testFlag(Qt::ControlModifier)};
    QSize size = picture_->Picture().size();
    std::optional<TargetRect> target =
        KeyedTarget(list_[row].target, keyed, {size.width(), size.height()},
                    {inView.x(), inView.y(), inView.width(), inView.height()});
    if (target) TargetDrawn(QRect(target->left, target->top, target->width, target->height));
}

void AuthorWindow::Changed() {
    setWindowModified(true);
}

int AuthorWindow::Current() const {
    int row = slides_->currentRow();
    return row >= 0 && row < static_cast<int>(list_.size()) ? row : -1;
}

void AuthorWindow::Move(int by) {
    int row = Current();
    if (row < 0) return;
    Fill(static_cast<int>(MoveEntry(list_, static_cast<std::size_t>(row), by)));
    Changed();
}

// The list has moved the item itself; the entries follow it.
void AuthorWindow::Dragged(int from, int to) {
    MoveEntryTo(list_, static_cast<std::size_t>(from), static_cast<std::size_t>(to));
    Changed();
    QMetaObject::invokeMethod(
        this, [this, to] { Fill(to); }, Qt::QueuedConnection);
}

void AuthorWindow::Remove() {
    int row = Current();
    if (row < 0 || (!IsSlide(list_[row]) && !IsUnreadRow(list_[row]))) return;
    RemoveEntry(list_, static_cast<std::size_t>(row));
    Fill(row);
    Changed();
}

// The deck as it stands, checked as a saved one would be, from the chosen
// slide; problems are named as the list names the slides.
void AuthorWindow::Play() {
    QtImageSource images;
    CheckProgressDialog progress(this);
    OpenedDeck opened = CheckAuthorList(list_, folder_, images, progress.Callback());
    if (!opened.problems.empty()) {
        return QtMessageBoxes(this).Show(tessivar::kProgramName, ProblemsText(opened.problems));
    }
    std::size_t first = SlideOf(list_, static_cast<std::size_t>(std::max(Current(), 0)));
    std::filesystem::path folder = folder_;
    trial_ = std::make_unique<TessivarWindow>(
        nullptr, [folder] { return folder; }, std::move(opened.slides));
    trial_->model().firstSlide = static_cast<int>(first % trial_->model().deck.size());
    trial_->ended = [this](int) { trial_->view.close(); };
    trial_->Open();
}

bool AuthorWindow::Save() {
    std::filesystem::path file = folder_ / kDeckFileName;
    QtMessageBoxes messages(this);
    if (!unreadable_.empty()) {
        messages.Show(tessivar::kProgramName, "Tessivar does not write over " + file.string() +
                                                  ", as it could not read it:\r" + unreadable_);
        return false;
    }
    QString error;
    if (!SaveWhole(file, AuthorDeckText(columns_, list_), &error)) {
        messages.Show(tessivar::kProgramName, "The deck could not be saved to " + file.string() +
                                                  ":\r" + error.toStdString());
        return false;
    }
    columns_ = WritingColumns(columns_);
    setWindowModified(false);
    return true;
}

void AuthorWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FitPicture();  // the view has its size only now
}

void AuthorWindow::closeEvent(QCloseEvent* event) {
    if (!isWindowModified()) return event->accept();
    QMessageBox::StandardButton answer = askToSave();
    bool close = answer == QMessageBox::Discard || (answer == QMessageBox::Save && Save());
    if (close) {
        event->accept();
    } else {
        event->ignore();
    }
}
