#include <gtest/gtest.h>
#include <QImage>
#include <QImageReader>

#include "slide_display.h"
#include "tessivar_build.h"

// The screenshots drawn by the build, checked as the slide show will use them.

namespace {

constexpr int kPixel = kTwipsPerPixel;
constexpr int kAreaWidth = kTargetAreaWidth / kPixel;
constexpr int kAreaHeight = kTargetAreaHeight / kPixel;

QImage Screenshot(int slide) {
    return QImageReader(QString::fromStdString(ScreenshotPath(TessivarBuildDir(), slide).string()))
        .read();
}

double GreyVariance(const QImage& image, QRect area) {
    double sum = 0, squares = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            double grey = qGray(image.pixel(x, y));
            sum += grey;
            squares += grey * grey;
        }
    }
    double count = area.width() * area.height();
    double mean = sum / count;
    return squares / count - mean * mean;
}

}  // namespace

TEST(TessivarScreenshots, EachIsAJpegThatTheWindowShowsWhole) {
    for (int slide = 0; slide < kSlideCount; ++slide) {
        std::string path = ScreenshotPath(TessivarBuildDir(), slide).string();
        QImageReader reader(QString::fromStdString(path));
        EXPECT_EQ(reader.format(), "jpeg") << path;
        QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << path << ": " << reader.errorString().toStdString();
        EXPECT_LE(image.width(), 1239) << path;
        EXPECT_LE(image.height(), 705) << path;
    }
}

// Something is drawn where the student has to click: a blank patch of a JPEG
// varies by a few grey levels at most.
TEST(TessivarScreenshots, EachShowsSomethingInItsAcceptedArea) {
    for (int slide = 0; slide < kSlideCount; ++slide) {
        QImage image = Screenshot(slide);
        ASSERT_FALSE(image.isNull()) << "slide " << slide;
        const Slide& row = Slides()[slide];
        QRect area(row.TargetX / kPixel - kAreaWidth, row.TargetY / kPixel - kAreaHeight,
                   kAreaWidth, kAreaHeight);
        ASSERT_TRUE(image.rect().contains(area)) << "slide " << slide;
        EXPECT_GT(GreyVariance(image, area), 100) << "slide " << slide;
    }
}
