#include <gtest/gtest.h>
#include <QApplication>
#include <QFontInfo>
#include <QPaintEvent>
#include <QTest>
#include <functional>

#include "embedded_fonts.h"
#include "test_form.h"

namespace {

QColor ButtonFace() {
    return QApplication::palette().color(QPalette::Button);
}

// Collects the areas that a widget paints, as the event loop delivers them.
class PaintSpy : public QObject {
  public:
    explicit PaintSpy(QWidget& widget) { widget.installEventFilter(this); }
    QRegion painted;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

TEST(FormPainting, BackgroundIsUnscaledOverTheButtonFace) {
    FormView view;
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    view.SetBackground(red);
    view.resize(80, 60);
    EXPECT_EQ(PixelOf(view, {39, 19}), QColor(Qt::red));
    EXPECT_EQ(PixelOf(view, {40, 19}), ButtonFace());
    EXPECT_EQ(PixelOf(view, {39, 20}), ButtonFace());
}

TEST(FormPainting, AThickLineOfNoLengthIsADot) {
    LineFigure dot;
    dot.x1 = dot.x2 = 300;
    dot.y1 = dot.y2 = 300;
    dot.width = 4;
    dot.colour = Colour::Rgb(255, 0, 0);
    FormView view;
    view.Add(dot);
    view.resize(40, 40);
    EXPECT_EQ(PixelOf(view, {20, 20}), QColor(Qt::red));
    EXPECT_EQ(PixelOf(view, {24, 20}), ButtonFace());
}

ShapeFigure Panel(Colour fill) {
    auto panel = Placed<ShapeFigure>("Panel", {0, 0, 600, 600});
    panel.border = BorderStyle::None;
    panel.filled = true;
    panel.fillColour = fill;
    return panel;
}

TEST(FormPainting, LaterItemsLieAboveEarlierOnes) {
    ShapeFigure panel = Panel(colours::Window);
    auto title = Placed<Label>("Title", {150, 150, 300, 300});
    title.background = Colour::Rgb(0, 0, 255);
    LineFigure needle;
    needle.x2 = 600;
    needle.y1 = needle.y2 = 75;
    needle.colour = Colour::Rgb(0, 255, 0);
    FormView view;
    view.Add(panel);
    view.Add(title);
    view.Add(needle);
    view.resize(50, 50);

    EXPECT_EQ(PixelOf(view, {2, 30}), QApplication::palette().color(QPalette::Base));
    EXPECT_EQ(PixelOf(view, {15, 15}), QColor(0, 0, 255));
    EXPECT_EQ(PixelOf(view, {15, 5}), QColor(0, 255, 0));
    EXPECT_EQ(PixelOf(view, {45, 45}), ButtonFace());
}

TEST(FormPainting, TransparentLabelShowsWhatLiesBelow) {
    ShapeFigure panel = Panel(Colour::Rgb(255, 0, 0));
    auto score = Placed<Label>("Score", {0, 0, 600, 600});
    score.transparent = true;
    FormView view;
    view.Add(panel);
    view.Add(score);
    view.resize(50, 50);
    EXPECT_EQ(PixelOf(view, {20, 20}), QColor(255, 0, 0));
}

TEST(FormPainting, ShapeBorderLiesInsideItsRect) {
    auto box = Placed<ShapeFigure>("Box", {150, 150, 300, 300});
    box.borderWidth = 2;
    box.borderColour = Colour::Rgb(255, 0, 0);
    FormView view;
    view.Add(box);
    view.resize(50, 50);
    EXPECT_EQ(PixelOf(view, {10, 15}), QColor(255, 0, 0));
    EXPECT_EQ(PixelOf(view, {11, 15}), QColor(255, 0, 0));
    EXPECT_EQ(PixelOf(view, {29, 15}), QColor(255, 0, 0));
    EXPECT_EQ(PixelOf(view, {9, 15}), ButtonFace());
    EXPECT_EQ(PixelOf(view, {15, 15}), ButtonFace());
    EXPECT_EQ(PixelOf(view, {30, 15}), ButtonFace());
}

TEST(FormPainting, EachLabelIsPaintedInItsOwnFont) {
    auto small = Placed<Label>("Small", {0, 0, 1500, 450});
    auto large = Placed<Label>("Large", {0, 450, 1500, 450});
    small.caption = large.caption = "Wg";
    large.font = {"Arial", 18, true};
    FormView view;
    view.Add(small);
    view.Add(large);
    view.resize(100, 60);
    QImage shown = view.grab().toImage();
    EXPECT_NE(shown.copy(0, 0, 100, 30), shown.copy(0, 30, 100, 30));
}

TEST(FormPainting, ChangedCaptionRepaintsOnlyItsLabel) {
    TestForm form;
    form.view.OnClick(form.caption, [&] { form.caption.caption = "World"; });
    form.view.show();
    QImage before = form.view.grab().toImage();
    QCoreApplication::processEvents();
    PaintSpy spy(form.view);

    QTest::mouseClick(&form.view, Qt::LeftButton, {}, TestForm::Centre(form.caption.rect));
    QCoreApplication::processEvents();

    EXPECT_EQ(spy.painted, QRegion(PixelRect(form.caption.rect)));
    QImage after = form.view.grab().toImage();
    QRect label = PixelRect(form.caption.rect);
    EXPECT_NE(after.copy(label), before.copy(label));
    EXPECT_EQ(after.copy(0, 40, 340, 90), before.copy(0, 40, 340, 90));
}

int PixelsOf(QColor colour, const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour;
    }
    return count;
}

TEST(FormPainting, WhatIsAddedToAShownFormOrPictureBoxShowsAtOnce) {
    const Colour red = Colour::Rgb(255, 0, 0);
    auto label = Placed<Label>("Added", {1800, 150, 300, 300});
    label.background = red;
    LineFigure line{.name = "Line", .x1 = 1800, .y1 = 600, .x2 = 2700, .y2 = 600, .colour = red};
    ShapeFigure shape = Panel(red);
    shape.rect = {1800, 900, 300, 300};
    auto inside = Placed<Label>("Inside", {150, 150, 300, 300});
    inside.background = red;
    LineFigure insideLine{
        .name = "InsideLine", .x1 = 150, .y1 = 750, .x2 = 1200, .y2 = 750, .colour = red};
    QImage background(20, 20, QImage::Format_RGB32);
    background.fill(Qt::red);
    TestForm form;
    QWidget& plot = *form.view.findChild<QWidget*>("Plot");
    const std::pair<std::function<void()>, QWidget*> additions[] = {
        {[&] { form.view.SetBackground(background); }, &form.view},
        {[&] { form.view.Add(label); }, &form.view},
        {[&] { form.view.Add(line); }, &form.view},
        {[&] { form.view.Add(shape); }, &form.view},
        {[&] { form.view.Add(inside, form.plot); }, &plot},
        {[&] { form.view.Add(insideLine, form.plot); }, &plot},
    };
    form.view.show();
    for (std::size_t i = 0; i < std::size(additions); ++i) {
        int before = PixelsOf(Qt::red, OnScreen(*additions[i].second));
        additions[i].first();
        EXPECT_GT(PixelsOf(Qt::red, OnScreen(*additions[i].second)), before) << i;
    }
}

// Each takes its name, caption, geometry and font, and follows its model's moves.
TEST(FormPainting, WidgetsTakeNameCaptionGeometryAndFont) {
    TestForm form;
    auto* knob = form.view.findChild<QWidget*>("Knob");
    ASSERT_NE(knob, nullptr);
    EXPECT_GT(PixelsOf(knob->palette().color(QPalette::ButtonText), knob->grab().toImage()), 0);
    EXPECT_EQ(knob->geometry(), QRect(20, 45, 60, 20));
    EXPECT_EQ(knob->font().pixelSize(), 11);
    EXPECT_TRUE(knob->font().bold());
    EXPECT_EQ(knob->font().family(), fonts::kSans);
    form.plot.rect.left += 150;
    form.view.Sync();
    EXPECT_EQ(form.view.findChild<QWidget*>("Plot")->x(), 230);
}

TEST(Appearance, EveryFamilyIsDrawnWithAFontTheProgramsCarry) {
    struct Case {
        Font font;
        const char* carried;
        bool italic;
    };
    const Case cases[] = {
        {{"Arial", 8.25, false}, fonts::kSans, false},
        {{"Arial", 12, true}, fonts::kSans, false},
        {{"MS Sans Serif", 8.25, false}, fonts::kSans, false},
        {{"Courier", 9.75, true}, fonts::kMono, false},
        {{"Papyrus", 8.25, true}, fonts::kSerif, true},
    };
    for (const Case& c : cases) {
        QFontInfo shown(ToQFont(c.font));
        EXPECT_EQ(shown.family(), c.carried) << c.font.family;
        EXPECT_EQ(shown.bold(), c.font.bold) << c.font.family;
        EXPECT_EQ(shown.italic(), c.italic) << c.font.family;
    }
    EXPECT_EQ(ToQFont({"Courier", 12, true}).pixelSize(), 16);
    // Message boxes, which have no font of their own.
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), fonts::kSans);
}

TEST(Appearance, SystemColoursComeFromThePalette) {
    QPalette palette;
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    EXPECT_EQ(ToQColor(colours::Window, palette), QColor(Qt::white));
    EXPECT_EQ(ToQColor(colours::MenuText, palette), QColor(Qt::black));
    EXPECT_EQ(ToQColor(Colour::Rgb(0, 0, 192), palette), QColor(0, 0, 192));
}

TEST(Appearance, CarriageReturnsBecomeLineBreaks) {
    EXPECT_EQ(DisplayText("one\rtwo\r\nthree\nfour"), "one\ntwo\nthree\nfour");
}

}  // namespace
