#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <iterator>

#include "author_window.h"
#include "deck_check.h"
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
    Write(folder / "deck.csv",
          "picture,text,left,top,width,height\n"
          "good.png,fine,0,0,200,100\nempty.jpg,t,0,0,1,1\nnoise.png,t,0,0,1,1\n"
          "gone.jpg,t,0,0,1,1\nshort.jpg,t,0,0,1,1\n");
    QtImageSource images;
    OpenedDeck opened = OpenDeckFolder(folder, images);
    EXPECT_TRUE(opened.slides.empty());
    ASSERT_EQ(opened.problems.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(opened.problems[i].starts_with("deck.csv line " + std::to_string(i + 3)))
            << opened.problems[i];
    }
}

TEST(TessivarDeck, AnInstructorDrawsTypesSavesAndGetsTheSameDeckBack) {
    QTemporaryDir dir;
    std::filesystem::path folder = Folder(dir);
    SavePicture(folder / "a.png", {300, 200});
    SavePicture(folder / "b.jpg", {2000, 1000});
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
