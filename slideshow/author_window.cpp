#include "author_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeySequence>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>
#include <fstream>
#include <iterator>

#include "deck_check.h"
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
    BuildWidgets();
    Load();
}

AuthorWindow::~AuthorWindow() = default;

// Rows that do not read are left out, and the instructor is told which.
void AuthorWindow::Load() {
    Deck deck;
    std::ifstream file(folder_ / kDeckFileName, std::ios::binary);
    if (file) {
        DeckReading reading = ReadDeck(std::string{std::istreambuf_iterator<char>(file), {}});
        deck = std::move(reading.deck);
        if (!reading.problems.empty()) {
            QtMessageBoxes(this).Show(
                kProgramName, "These rows are left out:\r" + ProblemsText(reading.problems));
        }
    }
    list_ = StartAuthoring(deck, PicturesIn(folder_));
    Fill(0);
}

void AuthorWindow::BuildWidgets() {
    slides_ = new QListWidget;
    slides_->setObjectName("slides");
    picture_ = new TargetPictureWidget;
    picture_->setObjectName("picture");
    auto* scroll = new QScrollArea;
    scroll->setWidget(picture_);
    text_ = new QPlainTextEdit;
    text_->setObjectName("text");
    text_->setPlaceholderText("The slide's text: what to click, and why");
    text_->setMaximumHeight(120);

    auto* listButtons = new QHBoxLayout;
    AddButton(this, listButtons, "Up", QKeySequence(Qt::CTRL | Qt::Key_Up), [this] { Move(-1); });
    AddButton(this, listButtons, "Down", QKeySequence(Qt::CTRL | Qt::Key_Down),
              [this] { Move(1); });
    AddButton(this, listButtons, "Remove", QKeySequence(), [this] { Remove(); });
    // Delete in the list only: in the text it deletes text.
    auto* remove = new QShortcut(QKeySequence::Delete, slides_, [this] { Remove(); });
    remove->setContext(Qt::WidgetShortcut);
    auto* left = new QVBoxLayout;
    left->addWidget(slides_);
    left->addLayout(listButtons);

    auto* slideButtons = new QHBoxLayout;
    slideButtons->addStretch();
    AddButton(this, slideButtons, "Play from here", QKeySequence(Qt::Key_F5), [this] { Play(); });
    AddButton(this, slideButtons, "Save", QKeySequence::Save, [this] { Save(); });
    auto* right = new QVBoxLayout;
    right->addWidget(scroll, 1);
    right->addWidget(text_);
    right->addLayout(slideButtons);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 4);
    resize(1280, 800);

    connect(slides_, &QListWidget::currentRowChanged, this, [this] { ShowEntry(); });
    connect(text_, &QPlainTextEdit::textChanged, this, [this] {
        int row = Current();
        if (row < 0 || !list_[row].target) return;
        list_[row].text = SlideText(text_->toPlainText());
        Changed();
    });
    picture_->OnTargetDrawn([this](QRect drawn) {
        int row = Current();
        if (row < 0) return;
        bool added = !list_[row].target;
        list_[row].target = TargetRect{drawn.x(), drawn.y(), drawn.width(), drawn.height()};
        list_[row].text = SlideText(text_->toPlainText());
        Changed();
        if (added) Fill(row);
    });
}

// The list shows slides by number and the pictures no slide shows after them.
void AuthorWindow::Fill(int current) {
    QSignalBlocker blocker(slides_);
    slides_->clear();
    for (std::size_t i = 0; i < list_.size(); ++i) {
        const AuthorEntry& entry = list_[i];
        QString name = QString::fromStdString(entry.picture);
        auto* item = new QListWidgetItem(
            entry.target ? QString("%1. %2").arg(SlideOf(list_, i) + 1).arg(name)
                         : name + " (not in the deck)",
            slides_);
        if (!entry.target) item->setForeground(palette().color(QPalette::PlaceholderText));
    }
    slides_->setCurrentRow(std::min(current, slides_->count() - 1));
    ShowEntry();
}

void AuthorWindow::ShowEntry() {
    int row = Current();
    QImage picture;
    std::optional<QRect> target;
    QString text;
    if (row >= 0) {
        const AuthorEntry& entry = list_[row];
        picture = QImageReader(ToQString(folder_ / entry.picture)).read();
        if (entry.target) {
            const TargetRect& t = *entry.target;
            target = QRect(t.left, t.top, t.width, t.height);
        }
        text = EditorText(entry.text);
    }
    picture_->SetPicture(picture);
    picture_->SetTarget(target);
    QSignalBlocker blocker(text_);
    text_->setPlainText(text);
    text_->moveCursor(QTextCursor::End);
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

void AuthorWindow::Remove() {
    int row = Current();
    if (row < 0 || !list_[row].target) return;
    RemoveEntry(list_, static_cast<std::size_t>(row));
    Fill(row);
    Changed();
}

// The deck as it stands, checked as a saved one would be, from the chosen slide.
void AuthorWindow::Play() {
    std::string deckText = WriteDeck(DeckOf(list_));
    QtImageSource images;
    OpenedDeck opened = OpenDeck(deckText, folder_, images);
    if (!opened.problems.empty()) {
        QtMessageBoxes(this).Show(kProgramName, ProblemsText(opened.problems));
        return;
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
    QString error;
    if (!SaveWhole(folder_ / kDeckFileName, WriteDeck(DeckOf(list_)), &error)) {
        QtMessageBoxes(this).Show(kProgramName,
                                  "The deck could not be saved:\r" + error.toStdString());
        return false;
    }
    setWindowModified(false);
    return true;
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
