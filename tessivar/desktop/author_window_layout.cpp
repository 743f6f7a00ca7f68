#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

#include "author_window.h"
#include "target_picture_widget.h"

// The author window's widgets and what they are bound to.

namespace {

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
    connect(text_, &QPlainTextEdit::textChanged, this, [this] { TextTyped(); });
    picture_->OnTargetDrawn([this](QRect drawn) { TargetDrawn(drawn); });
    picture_->OnArrowKey([this](int arrow, Qt::KeyboardModifiers modifiers, QRect inView) {
        TargetKeyed(arrow, modifiers, inView);
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
