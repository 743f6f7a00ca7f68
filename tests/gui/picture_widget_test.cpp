#include <gtest/gtest.h>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <cmath>
#include <functional>
#include <limits>
#include <tuple>
#include <vector>

#include "target_picture_widget.h"
#include "test_form.h"

namespace {

const QColor kWhite(Qt::white);
const QColor kBlack(Qt::black);

// The plot's drawing area starts inside its 2-pixel border.
QPoint AreaPixel(int x, int y) {
    return {2 + x, 2 + y};
}

struct PlotTest : ::testing::Test {
    TestForm form;
    QWidget& plot = *form.view.findChild<QWidget*>("Plot");

    void Draw(auto drawing) {
        form.view.Dispatch([&] { drawing(form.plot); });
    }
    QColor At(int x, int y) { return PixelOf(plot, AreaPixel(x, y)); }
};

TEST_F(PlotTest, StrokesAddUpAndClearWipesThem) {
    Draw([](PictureBox& p) { p.Line(10, 50, 90, 50, colours::White); });
    Draw([](PictureBox& p) { p.PSet(20, 20, colours::White); });
    for (int x : {10, 50, 90}) EXPECT_EQ(At(x, 50), kWhite) << x;
    EXPECT_EQ(At(50, 49), kBlack);
    EXPECT_EQ(At(5, 50), kBlack);
    EXPECT_EQ(At(20, 20), kWhite);
    EXPECT_EQ(At(21, 20), kBlack);

    Draw([](PictureBox& p) {
        p.Clear();
        p.PSet(70, 70, colours::White);
    });
    EXPECT_EQ(At(50, 50), kBlack);
    EXPECT_EQ(At(20, 20), kBlack);
    EXPECT_EQ(At(70, 70), kWhite);
}

TEST_F(PlotTest, EachStrokeKeepsTheScaleItWasDrawnWith) {
    Draw([](PictureBox& p) {
        p.scale = {0, 1000, 100, -2000};  // y runs from 1000 at the top to -1000 at the bottom
        p.PSet(30, 500, colours::White);
        p.scale = {0, 0, 200, 200};
        p.PSet(120, 160, colours::White);
    });
    EXPECT_EQ(At(30, 25), kWhite);
    EXPECT_EQ(At(60, 80), kWhite);
}

TEST_F(PlotTest, StrokesOffTheScaleOrNotFiniteNeverFail) {
    double nan = std::numeric_limits<double>::quiet_NaN();
    double infinity = std::numeric_limits<double>::infinity();
    Draw([&](PictureBox& p) {
        p.Line(-1e300, 40, 1e300, 40, colours::White);
        p.Line(nan, 10, 20, 10, colours::White);
        p.PSet(infinity, 10, colours::White);
        p.Line(0, -1e9, 0, 1e9, Colour::Rgb(255, 0, 0));
        p.Line(-1e9, -1e9 + 20, 1e9, 1e9 + 20, Colour::Rgb(0, 255, 0));
        p.PSet(30, 30, colours::White);
        p.PSet(99.5, 99.5, colours::White);               // in the last column and row
        p.Line(50, 60, 1e9, 70, Colour::Rgb(0, 0, 255));  // leaves by the right edge
    });
    EXPECT_EQ(At(1, 40), kWhite);
    EXPECT_EQ(At(99, 99), kWhite);
    EXPECT_EQ(At(99, 40), kWhite);
    EXPECT_EQ(At(0, 99), QColor(255, 0, 0));
    EXPECT_EQ(At(60, 80), QColor(0, 255, 0));
    EXPECT_EQ(At(99, 60), QColor(0, 0, 255));
    EXPECT_EQ(At(15, 10), kBlack);
    EXPECT_EQ(At(30, 30), kWhite);
}

TEST_F(PlotTest, NewBackgroundRepaintsInFull) {
    Draw([](PictureBox& p) { p.PSet(20, 20, colours::White); });
    Draw([](PictureBox& p) { p.background = Colour::Rgb(0, 0, 128); });
    EXPECT_EQ(At(50, 50), QColor(0, 0, 128));
    EXPECT_EQ(At(20, 20), kWhite);
}

TEST_F(PlotTest, MouseEventsGiveTwipsFromTheDrawingArea) {
    std::vector<std::tuple<int, double, double>> ups, moves;
    form.view.OnMouseUp(form.plot, [&](int b, double x, double y) { ups.emplace_back(b, x, y); });
    form.view.OnMouseMove(form.plot,
                          [&](int b, double x, double y) { moves.emplace_back(b, x, y); });

    QTest::mouseClick(&plot, Qt::RightButton, {}, AreaPixel(10, 20));
    QPointF at = AreaPixel(30, 40);
    QMouseEvent move(QEvent::MouseMove, at, plot.mapToGlobal(at), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(&plot, &move);

    ASSERT_EQ(ups.size(), 1u);
    EXPECT_EQ(ups[0], std::make_tuple(2, 150.0, 300.0));
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back(), std::make_tuple(0, 450.0, 600.0));
}

TEST(PictureItems, LabelsInsideTakeTheirClicksAndLieAboveTheDrawing) {
    auto slide = Placed<PictureBox>("Picture1", {0, 0, 1500, 1500});
    slide.background = colours::Black;
    slide.sunkenBorder = false;
    auto infoBox = Placed<Label>("InfoBox", {300, 300, 600, 600});
    infoBox.background = Colour::Rgb(0, 0, 255);
    FormView view;
    view.Add(slide);
    view.Add(infoBox, slide);
    view.resize(100, 100);
    int pictureClicks = 0, labelClicks = 0;
    view.OnMouseUp(slide, [&](int, double, double) { ++pictureClicks; });
    view.OnClick(infoBox, [&] { ++labelClicks; });
    QWidget& picture = *view.findChild<QWidget*>("Picture1");

    QTest::mouseClick(&picture, Qt::LeftButton, {}, {30, 30});
    QTest::mouseClick(&picture, Qt::LeftButton, {}, {80, 80});

    EXPECT_EQ(pictureClicks, 1);
    EXPECT_EQ(labelClicks, 1);
    EXPECT_EQ(PixelOf(picture, {30, 30}), QColor(0, 0, 255));
    EXPECT_EQ(PixelOf(picture, {80, 80}), kBlack);

    // A drag started on the drawing stays the drawing's over the label.
    int pictureMoves = 0;
    view.OnMouseMove(slide, [&](int, double, double) { ++pictureMoves; });
    QTest::mousePress(&picture, Qt::LeftButton, {}, {80, 80});
    QPointF over(30, 30);
    QMouseEvent drag(QEvent::MouseMove, over, picture.mapToGlobal(over), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(&picture, &drag);
    EXPECT_EQ(pictureMoves, 1);
}

TEST(PictureItems, PictureIsLoadedByItsKeyUnderTheStrokes) {
    auto slide = Placed<PictureBox>("Picture1", {0, 0, 1500, 1500});
    slide.sunkenBorder = false;
    FormView view;
    view.SetImageLoader([](const std::string& key, double) {
        QImage image(10, 10, QImage::Format_RGB32);
        image.fill(key == "red" ? Qt::red : Qt::green);
        return image;
    });
    view.Add(slide);
    view.Dispatch([&] {
        slide.picture = "red";
        slide.scale = {0, 0, 100, 100};
        slide.PSet(2, 2, colours::Black);
    });
    QWidget& picture = *view.findChild<QWidget*>("Picture1");
    EXPECT_EQ(PixelOf(picture, {2, 2}), kBlack);
    EXPECT_EQ(PixelOf(picture, {3, 3}), QColor(Qt::red));
    EXPECT_EQ(PixelOf(picture, {50, 50}), QApplication::palette().color(QPalette::Base));

    view.Dispatch([&] { slide.picture = "green"; });
    EXPECT_EQ(PixelOf(picture, {2, 2}), kBlack);
    EXPECT_EQ(PixelOf(picture, {3, 3}), QColor(Qt::green));
}

// The author's picture: a new picture of the same size, a target drawn for
// it and the shaded areas each show at once; only the left button draws; the
// wheel with Ctrl zooms it.
TEST(TargetPicture, ShowsChangesTakesOnlyLeftDragsAndZoomsWithCtrlWheel) {
    QImage green(40, 30, QImage::Format_RGB32), blue(40, 30, QImage::Format_RGB32);
    green.fill(Qt::green);
    blue.fill(Qt::blue);
    TargetPictureWidget widget;
    widget.SetPicture(green);
    widget.show();
    const std::pair<std::function<void()>, QPoint> changes[] = {
        {[&] { widget.SetPicture(blue); }, {20, 15}},
        {[&] { widget.SetTarget(QRect(10, 10, 10, 10)); }, {9, 15}},
        {[&] { widget.SetShaded({QRectF(0, 0, 5, 5)}); }, {2, 2}},
    };
    for (const auto& [change, at] : changes) {
        QColor before = OnScreen(widget).pixelColor(at);
        change();
        EXPECT_NE(OnScreen(widget).pixelColor(at), before) << at.x() << "," << at.y();
    }
    int drawn = 0;  // a right click after a drag draws nothing
    widget.OnTargetDrawn([&](QRect) { ++drawn; });
    QTest::mousePress(&widget, Qt::LeftButton, {}, {5, 5});
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, {15, 15});
    QTest::mouseClick(&widget, Qt::RightButton, {}, {30, 20});
    EXPECT_EQ(drawn, 1);
    QWheelEvent wheel({20, 15}, widget.mapToGlobal(QPointF(20, 15)), {}, {0, 120}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &wheel);
    EXPECT_GT(widget.Zoom(), 1);
}

}  // namespace
