#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>
#include <iterator>

#include "author_window.h"
#include "deck_check.h"
#include "picture_formats.h"
#include "qt_image_source.h"
#include "slide_show.h"
#include "target_picture_widget.h"
#include "tessivar_build.h"

// Deck folders on disk: the one the build writes, damaged ones, and one that
// an instructor makes in the author window.

namespace {

std::filesystem::path Folder(const QTemporaryDir& dir) {
    return dir.path().toStdString();
}

void Write(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string Read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void SavePicture(const std::filesystem::path& file, QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(QString::fromStdString(file.string())));
}

// The folder of the temporary directory, with these pictures in it.
std::filesystem::path WithPictures(const QTemporaryDir& dir,
                                   std::initializer_list<std::pair<const char*, QSize>> pictures) {
    for (const auto& [name, size] : pictures) SavePicture(Folder(dir) / name, size);
    return Folder(dir);
}

void Press(QWidget& window, const QString& caption) {
    for (auto* button : window.findChildren<QPushButton*>()) {
        if (button->text() == caption) button->click();
    }
}

// The text of the message box that `action` raises, closed once it shows.
QString MessageOf(const std::function<void()>& action) {
    QString message;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box) message = box->text(), box->close();
    });
    closer.start(10);
    action();
    return message;
}

}  // namespace

TEST(TessivarDeck, TheBuiltInDeckFilePlaysAsTheBuiltInTable) {
    QtImageSource images;
    OpenedDeck opened = OpenDeckFolder(ScreenshotFolder(TessivarBuildDir()), images);
    EXPECT_TRUE(opened.problems.empty()) << ProblemsText(opened.problems);
    EXPECT_EQ(opened.slides, BuiltInSlides());
}

TEST(TessivarDeck, MissingAndDamagedPicturesAreRefused) {
    QTemporaryDir dir;
    std::filesystem::path folder = Folder(dir);
    SavePicture(folder / "good.png", {200, 100});
    Write(folder / "empty.jpg", "");
    Write(folder / "noise.png", std::string(5000, '\x5a'));
    SavePicture(folder / "whole.jpg", {200, 100});
    Write(folder / "short.jpg", Read(folder / "whole.jpg").substr(0, 400));
    // Browsers differ on a chunk that fails its CRC: it is refused alike.
    std::string crc = Read(folder / "good.png");
    crc[crc.find("IDAT") + 6] ^= 1;
    Write(folder / "crc.png", crc);
    Write(folder / "deck.csv",
          "picture,text,left,top,width,height\n"
          "good.png,fine,0,0,200,100\nempty.jpg,t,0,0,1,1\nnoise.png,t,0,0,1,1\n"
          "gone.jpg,t,0,0,1,1\nshort.jpg,t,0,0,1,1\ncrc.png,t,0,0,1,1\n");
    QtImageSource images;
    OpenedDeck opened = OpenDeckFolder(folder, images);
    EXPECT_TRUE(opened.slides.empty());
    ASSERT_EQ(opened.problems.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(opened.problems[i].starts_with("deck.csv line " + std::to_string(i + 3)))
            << opened.problems[i];
    }
}

// The size a file's header declares, read before decoding to refuse a
// picture too large, is the size that a decoder gives, in every format that
// screenshot tools write.
TEST(TessivarDeck, EachFormatsHeaderGivesThePicturesSize) {
    QTemporaryDir dir;
    for (const char* name : {"a.jpg", "a.png", "a.bmp", "a.webp"}) {
        for (int quality : {80, 100}) {  // WebP: lossy, then lossless
            QImage picture(QSize(321, 123), QImage::Format_RGB32);
            picture.fill(Qt::darkCyan);
            QString path = QString::fromStdString((Folder(dir) / name).string());
            ASSERT_TRUE(picture.save(path, nullptr, quality)) << name;
            std::optional<PictureDimensions> size = PictureHeaderSize(Read(path.toStdString()));
            ASSERT_TRUE(size) << name << " " << quality;
            EXPECT_EQ(size->width, 321u) << name << " " << quality;
            EXPECT_EQ(size->height, 123u) << name << " " << quality;
        }
    }
}

TEST(TessivarDeck, AnInstructorDrawsTypesSavesAndGetsTheSameDeckBack) {
    QTemporaryDir dir;
    std::filesystem::path folder =
        WithPictures(dir, {{"a.png", {300, 200}}, {"b.jpg", {2000, 1000}}});
    AuthorWindow window(folder);
    window.show();
    window.activateWindow();  // for its shortcuts
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_EQ(window.List().size(), 2u);
    EXPECT_TRUE(DeckOf(window.List()).empty());

    auto* picture = window.findChild<TargetPictureWidget*>("picture");
    auto* text = window.findChild<QPlainTextEdit*>("text");
    ASSERT_TRUE(picture && text);
    QTest::keyClicks(text, "Click the panel");
    QTest::mousePress(picture, Qt::LeftButton, Qt::NoModifier, QPoint(40, 30));
    QTest::mouseMove(picture, QPoint(100, 60));
    QTest::mouseRelease(picture, Qt::LeftButton, Qt::NoModifier, QPoint(140, 50));
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, "then OK");
    EXPECT_TRUE(window.isWindowModified());

    // Closing with changes asks first; cancelling keeps the window.
    int asked = 0;
    window.askToSave = [&] { return ++asked, QMessageBox::Cancel; };
    window.close();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(window.isVisible());

    QTest::keyClick(text, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(window.isWindowModified());
    Deck expected = {{"a.png", "Click the panel\rthen OK", {40, 30, 100, 20}}};
    EXPECT_EQ(ReadDeck(Read(folder / "deck.csv")).deck, expected);
    AuthorWindow reloaded(folder);
    EXPECT_EQ(DeckOf(reloaded.List()), expected);
    EXPECT_EQ(reloaded.List().back().picture, "b.jpg");
}

TEST(TessivarDeck, RowsThatDoNotReadAreListedMarkedAndKeptWhenTheDeckIsSaved) {
    QTemporaryDir dir;
    std::filesystem::path folder = WithPictures(dir, {{"a.png", {300, 200}}});
    const std::string bad = "b.png,\"Keep me, please\",0,0,0,10";
    Write(folder / "deck.csv",
          "picture,text,left,top,width,height\r\na.png,A,1,2,3,4\r\n" + bad + "\r\n");
    AuthorWindow window(folder);
    auto* list = window.findChild<QListWidget*>("slides");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "Not read: width must be a whole number greater than 0");
    list->setCurrentRow(1);
    EXPECT_TRUE(window.findChild<QLabel*>("guide")->text().contains(QString::fromStdString(bad)));
    ASSERT_TRUE(window.Save());
    EXPECT_NE(Read(folder / "deck.csv").find(bad + "\r\n"), std::string::npos);
}

TEST(TessivarDeck, TextTypedForAPictureNotYetInTheDeckIsKept) {
    QTemporaryDir dir;
    std::filesystem::path folder =
        WithPictures(dir, {{"a.png", {300, 200}}, {"b.png", {300, 200}}});
    AuthorWindow window(folder);
    auto* list = window.findChild<QListWidget*>("slides");
    auto* text = window.findChild<QPlainTextEdit*>("text");
    ASSERT_TRUE(list && text);
    list->setCurrentRow(1);
    QTest::keyClicks(text, "Click the panel");
    list->setCurrentRow(0);
    list->setCurrentRow(1);
    EXPECT_EQ(text->toPlainText(), "Click the panel");
}

// A first-time instructor: told what to do, the whole picture in view from its
// top left, pictures added meanwhile listed, slides dragged into order.
TEST(TessivarDeck, TheWindowGuidesFitsPicturesFollowsTheFolderAndTakesDrags) {
    QTemporaryDir dir;
    std::filesystem::path folder = Folder(dir) / "new deck";
    AuthorWindow window(folder);
    window.show();
    auto* guide = window.findChild<QLabel*>("guide");
    EXPECT_TRUE(guide->text().contains("does not exist")) << guide->text().toStdString();

    std::filesystem::create_directory(folder);
    SavePicture(folder / "b.png", {3840, 2160});
    SavePicture(folder / "a.png", {640, 480});
    window.Refresh();
    ASSERT_EQ(window.List().size(), 2u);
    EXPECT_TRUE(guide->text().startsWith("Drag a rectangle")) << guide->text().toStdString();
    auto* picture = window.findChild<TargetPictureWidget*>("picture");
    auto* view = window.findChild<QScrollArea*>();
    EXPECT_EQ(picture->Zoom(), 1);
    window.findChild<QListWidget*>("slides")->setCurrentRow(1);
    EXPECT_LE(picture->width(), view->viewport()->width());
    EXPECT_LT(picture->Zoom(), 1);
    // Drawn on the shrunk picture, kept in its own pixels.
    double zoom = picture->Zoom();
    QTest::mousePress(picture, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseMove(picture, QPoint(30, 20));
    QTest::mouseRelease(picture, Qt::LeftButton, Qt::NoModifier, QPoint(30, 20));
    ASSERT_TRUE(window.List()[1].target);
    EXPECT_NEAR(window.List()[1].target->width, 20 / zoom, 2 / zoom);

    SavePicture(folder / "c.bmp", {100, 100});
    QTRY_COMPARE(window.List().size(), 3u);  // the folder is watched

    auto* list = window.findChild<QListWidget*>("slides");
    list->model()->moveRow(QModelIndex(), 1, QModelIndex(), 0);
    QTRY_COMPARE(list->item(0)->text(), QString("1. b.png"));
    EXPECT_EQ(window.List()[0].picture, "b.png");
}

TEST(TessivarDeck, PlayFromHereNamesSlidesAsTheListDoesAndLeavesTheWindowsFonts) {
    QTemporaryDir dir;
    std::filesystem::path folder = WithPictures(dir, {{"a.png", {1239, 705}}});
    Write(
        folder / "deck.csv",
        "picture,text,left,top,width,height\r\na.png,A,10,10,30,20\r\na.png,B,1000,500,50,20\r\n");
    QFont desktop("Sans", 13);  // not the show's own font
    QApplication::setFont(desktop);
    AuthorWindow window(folder);
    window.show();
    EXPECT_EQ(MessageOf([&] { window.Play(); }).toStdString(),
              "slide 2: the target lies under the instruction box, which takes the clicks there: "
              "students cannot click it");

    auto* list = window.findChild<QListWidget*>("slides");
    list->setCurrentRow(1);
    Press(window, "Remove");
    window.Play();
    EXPECT_NE(QApplication::font(), desktop);  // the show's own now
    EXPECT_EQ(list->font(), desktop);
}

// The list beside the picture, a fifth of the window, follows a drag, a move
// and a removal, each a change to save; a save into a folder that has gone says why
// it failed.
TEST(TessivarDeck, TheListFollowsMovesAndRemovalsAndAFailedSaveSaysWhy) {
    QTemporaryDir dir;
    std::filesystem::path folder =
        WithPictures(dir, {{"a.png", {300, 200}}, {"b.png", {300, 200}}});
    Write(folder / "deck.csv",
          "picture,text,left,top,width,height\r\na.png,A,1,2,3,4\r\nb.png,B,1,2,3,4\r\n");
    AuthorWindow window(folder);
    window.show();
    auto* list = window.findChild<QListWidget*>("slides");
    ASSERT_TRUE(list && list->isVisible());
    int pictureWidth = window.findChild<QScrollArea*>()->width();
    EXPECT_NEAR(pictureWidth, 4 * list->width(), list->width() / 4);

    ASSERT_FALSE(window.isWindowModified());
    list->model()->moveRow(QModelIndex(), 1, QModelIndex(), 0);  // b dragged to the top
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.isWindowModified());
    Press(window, "Save");
    ASSERT_FALSE(window.isWindowModified());
    Press(window, "Down");
    EXPECT_TRUE(window.isWindowModified());
    EXPECT_EQ(list->item(1)->text(), "2. b.png");
    Press(window, "Save");
    Press(window, "Remove");
    EXPECT_TRUE(window.isWindowModified());
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "1. a.png");
    EXPECT_EQ(list->item(1)->text(), "b.png (not in the deck)");

    std::filesystem::remove_all(folder);
    QString message = MessageOf([&] { Press(window, "Save"); });
    QString saving = QString::fromStdString("The deck could not be saved to " +
                                            (folder / "deck.csv").string() + ":\n");
    EXPECT_TRUE(message.startsWith(saving)) << message.toStdString();
    EXPECT_GT(message.size(), saving.size() + 2) << "no reason given";
}

// An instructor without a mouse: Tab to the picture, then arrow keys place,
// move and size the target, which the window takes as it takes a drag.
TEST(TessivarDeck, TheKeyboardSetsATargetAsADragDoes) {
    QTemporaryDir dir;
    std::filesystem::path folder = WithPictures(dir, {{"a.png", {300, 200}}});
    AuthorWindow window(folder);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* picture = window.findChild<TargetPictureWidget*>("picture");
    window.findChild<QListWidget*>("slides")->setFocus();
    for (int tabs = 0; tabs < 20 && !picture->hasFocus(); ++tabs) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    ASSERT_TRUE(picture->hasFocus());
    EXPECT_EQ(picture->accessibleName(), "Target on a.png");

    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Left, Qt::NoModifier},  // placed in the middle: 100, 85, 100 by 30
        {Qt::Key_Right, Qt::NoModifier},
        {Qt::Key_Down, Qt::ShiftModifier},
        {Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier},
        {Qt::Key_Up, Qt::ControlModifier},
    };
    for (const auto& [key, modifiers] : keys) QTest::keyClick(picture, key, modifiers);
    EXPECT_EQ(window.List()[0].target, (TargetRect{101, 95, 110, 29}));
    EXPECT_TRUE(window.isWindowModified());
    EXPECT_EQ(picture->accessibleDescription(), "Left 101, top 95, 110 by 29 pixels");
}
