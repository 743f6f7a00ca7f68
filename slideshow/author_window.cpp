#include "author_window.h"

#include <QCloseEvent>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>

#include "check_progress_dialog.h"
#include "covered_areas.h"
#include "csv.h"
#include "picture_formats.h"
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

// The shortcut acts at once (a button's own would first animate a click).
void AddButton(QWidget* window, QBoxLayout* row, const QString& caption, const QKeySequence& keys,
               const std::function<void()>& action) {
    auto* button = new QPushButton(caption);
    QObject::connect(button, &QPushButton::clicked, action);
    row->addWidget(button);
    if (keys.isEmpty()) return;
    button->setToolTip(keys.toString(QKeySequence::NativeText));
    new QShortcut(keys, window, action);
}

// A row that did not read, as the file holds it.
QString RowText(const AuthorEntry& entry) {
    std::string text = entry.source.empty() ? CsvLine(entry.fields) : entry.source;
    return QString::fromStdString(text).trimmed();
}

std::optional<std::string_view> Covering(const AuthorEntry& entry, const QImage& picture) {
    if (!IsSlide(entry) || picture.isNull()) return std::nullopt;
    const TargetRect& t = *entry.target;
    return CoveringText(t, {picture.width(), picture.height()});
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

void AuthorWindow::BuildWidgets() {
    slides_ = new QListWidget;
    slides_->setObjectName("slides");
    slides_->setWordWrap(true);  // a row not read shows its whole problem
    slides_->setDragDropMode(QAbstractItemView::InternalMove);
    slides_->setDefaultDropAction(Qt::MoveAction);
    auto* moveButtons = new QHBoxLayout;
    AddButton(this, moveButtons, "Up", QKeySequence(Qt::CTRL | Qt::Key_Up), [this] { Move(-1); });
    AddButton(this, moveButtons, "Down", QKeySequence(Qt::CTRL | Qt::Key_Down),
              [this] { Move(1); });
    auto* listButtons = new QHBoxLayout;
    AddButton(this, listButtons, "Remove", QKeySequence(), [this] { Remove(); });
    AddButton(this, listButtons, "Refresh", QKeySequence(Qt::CTRL | Qt::Key_R),
              [this] { Refresh(); });
    // Delete in the list only: in the text it deletes text.
    auto* remove = new QShortcut(QKeySequence::Delete, slides_, [this] { Remove(); });
    remove->setContext(Qt::WidgetShortcut);
    auto* left = new QVBoxLayout;
    left->addWidget(slides_);
    left->addLayout(moveButtons);
    left->addLayout(listButtons);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(PictureColumn(), 4);
    resize(1280, 800);

    watcher_ = new QFileSystemWatcher(this);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { Refresh(); });
    connect(slides_, &QListWidget::currentRowChanged, this, [this] { ShowEntry(); });
    connect(slides_->model(), &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex&, int from, int, const QModelIndex&, int before) {
                Dragged(from, before > from ? before - 1 : before);
            });
    connect(text_, &QPlainTextEdit::textChanged, this, [this] {
        int row = Current();
        if (row < 0 || IsUnreadRow(list_[row])) return;
        list_[row].text = SlideText(text_->toPlainText());
        if (IsSlide(list_[row])) Changed();
    });
    picture_->OnTargetDrawn([this](QRect drawn) {
        int row = Current();
        if (row < 0 || IsUnreadRow(list_[row])) return;
        list_[row].target = TargetRect{drawn.x(), drawn.y(), drawn.width(), drawn.height()};
        Changed();
        Fill(row);
    });
    picture_->OnZoomed(
        [this] { zoom_->setText(QString("%1 %").arg(qRound(picture_->Zoom() * 100))); });
}

// What to do, the picture with its zoom, the slide's text and the deck's buttons.
QLayout* AuthorWindow::PictureColumn() {
    guide_ = new QLabel;
    guide_->setObjectName("guide");
    guide_->setWordWrap(true);
    picture_ = new TargetPictureWidget;
    picture_->setObjectName("picture");
    scroll_ = new QScrollArea;
    scroll_->setWidget(picture_);
    zoom_ = new QLabel;
    auto* zoomRow = new QHBoxLayout;
    zoomRow->addWidget(guide_, 1);
    AddButton(this, zoomRow, "Zoom out", QKeySequence::ZoomOut, [this] { picture_->ZoomBy(-1); });
    AddButton(this, zoomRow, "Fit", QKeySequence(Qt::CTRL | Qt::Key_0), [this] { FitPicture(); });
    AddButton(this, zoomRow, "Zoom in", QKeySequence::ZoomIn, [this] { picture_->ZoomBy(1); });
    zoomRow->addWidget(zoom_);
    text_ = new QPlainTextEdit;
    text_->setObjectName("text");
    text_->setPlaceholderText("The slide's text: what to click, and why");
    text_->setMaximumHeight(120);

    auto* slideButtons = new QHBoxLayout;
    slideButtons->addStretch();
    AddButton(this, slideButtons, "Play from here", QKeySequence(Qt::Key_F5), [this] { Play(); });
    AddButton(this, slideButtons, "Save", QKeySequence::Save, [this] { Save(); });
    auto* column = new QVBoxLayout;
    column->addLayout(zoomRow);
    column->addWidget(scroll_, 1);
    column->addWidget(text_);
    column->addLayout(slideButtons);
    return column;
}

// The list shows slides by number, the rows that did not read, and the
// pictures no slide shows.
void AuthorWindow::Fill(int current) {
    QSignalBlocker blocker(slides_);
    slides_->clear();
    for (std::size_t i = 0; i < list_.size(); ++i) {
        const AuthorEntry& entry = list_[i];
        QString name = QString::fromStdString(entry.picture);
        bool missing = IsSlide(entry) && std::find(pictures_.begin(), pictures_.end(),
                                                   entry.picture) == pictures_.end();
        QString label = IsUnreadRow(entry) ? "Not read: " + QString::fromStdString(entry.problem)
                        : IsSlide(entry)   ? QString("%1. %2").arg(SlideOf(list_, i) + 1).arg(name)
                                           : name + " (not in the deck)";
        auto* item = new QListWidgetItem(label + (missing ? " (missing)" : ""), slides_);
        if (IsUnreadRow(entry)) item->setToolTip(RowText(entry));
        if (IsUnreadRow(entry) || missing) item->setForeground(QColor(180, 0, 0));
        if (!IsSlide(entry) && !IsUnreadRow(entry)) {
            item->setForeground(palette().color(QPalette::PlaceholderText));
        }
    }
    slides_->setCurrentRow(std::min(current, slides_->count() - 1));
    ShowEntry();
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
    int row = Current();
    std::error_code error;
    QString folder = ToQString(folder_);
    QString formats = QString::fromStdString(PictureFormatNames());
    QString text;
    if (!unreadable_.empty()) {
        text = QString::fromStdString(unreadable_) +
               "\nTessivar will not write over this file: save it as CSV UTF-8, then open the "
               "deck again.";
    } else if (!std::filesystem::is_directory(folder_, error)) {
        text = "The folder " + folder + " does not exist. Make it, put your screenshots (" +
               formats + ") into it, then press Refresh.";
    } else if (row < 0) {
        text = "This folder has no pictures yet: put your screenshots (" + formats + ") into " +
               folder + " and they appear in the list.";
    } else if (const AuthorEntry& entry = list_[row]; IsUnreadRow(entry)) {
        text = "This row of deck.csv could not be read: " + QString::fromStdString(entry.problem) +
               ".\nIt stays in the file when you save: " + RowText(entry) +
               "\nRemove takes it out of the file; or mend it in a spreadsheet.";
    } else if (picture_->Picture().isNull()) {
        text =
            "The picture \"" + QString::fromStdString(entry.picture) +
            "\" is missing from the folder or cannot be read: put it back, or Remove this slide.";
    } else if (!IsSlide(entry)) {
        text =
            "Drag a rectangle over the place that students must click: the picture becomes a "
            "slide. Then type below what to click, and why.";
    } else if (std::optional<std::string_view> covering = Covering(entry, picture_->Picture())) {
        text = "This target lies under " + QString::fromStdString(std::string(*covering)) +
               ", which takes the clicks there: students could not click it. Drag a new "
               "rectangle outside the shaded parts.";
    } else {
        text = QString(
                   "Slide %1. Drag a new rectangle to move its target; students read the text "
                   "below. The shaded parts lie under the texts that the show puts over "
                   "the picture.")
                   .arg(SlideOf(list_, static_cast<std::size_t>(row)) + 1);
    }
    guide_->setText(text);
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
    QtMessageBoxes messages(this);
    Deck deck = DeckOf(list_);
    std::vector<std::string> places;
    for (std::size_t i = 0; i < deck.size(); ++i)
        places.push_back("slide " + std::to_string(i + 1));
    std::vector<std::string> problems;
    for (const AuthorEntry& entry : list_) {
        if (IsUnreadRow(entry)) AddProblem(problems, "a row not read", entry.problem);
    }
    if (deck.empty()) problems.push_back("The deck has no slides yet: drag a target on a picture.");
    QtImageSource images;
    OpenedDeck opened;
    if (problems.empty()) {
        CheckProgressDialog progress(this);
        opened = CheckDeck(deck, places, folder_, images, progress.Callback());
        problems = opened.problems;
    }
    if (!problems.empty()) return messages.Show(kProgramName, ProblemsText(problems));
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
        messages.Show(kProgramName, "Tessivar does not write over " + file.string() +
                                        ", as it could not read it:\r" + unreadable_);
        return false;
    }
    QString error;
    if (!SaveWhole(file, AuthorDeckText(columns_, list_), &error)) {
        messages.Show(kProgramName, "The deck could not be saved to " + file.string() + ":\r" +
                                        error.toStdString());
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
