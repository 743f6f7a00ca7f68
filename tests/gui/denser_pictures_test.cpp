#include "denser_pictures.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// A picture and, in the folders beside it, the denser ones of the given sizes.
struct Pictures {
    QTemporaryDir folder;
    QString path = folder.filePath("Shot 1.jpg");

    explicit Pictures(std::initializer_list<std::pair<int, QSize>> denser) {
        QImage plain(10, 8, QImage::Format_RGB32);
        plain.fill(Qt::white);
        plain.save(path, "JPG");
        for (auto [ratio, size] : denser) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(Qt::white);
            QString name = DenserPictureName(path, ratio);
            QDir().mkpath(QFileInfo(name).path());
            image.save(name, "PNG");
        }
    }
    // [ratio of the picture taken, its width as drawn]
    std::pair<qreal, qreal> ForScreen(double ratio) const {
        QImage image = ReadForScreen(path, ratio);
        return {image.devicePixelRatio(), image.deviceIndependentSize().width()};
    }
};

}  // namespace

TEST(DenserPictures, AScreenTakesTheLeastDensePictureDenseEnoughDrawnAtThePicturesSize) {
    Pictures pictures({{2, {20, 16}}, {3, {30, 24}}});
    EXPECT_EQ(DenserPictureName(pictures.path, 2), pictures.folder.filePath("2x/Shot 1.png"));
    using Taken = std::pair<qreal, qreal>;
    EXPECT_EQ(pictures.ForScreen(1), Taken(1, 10));
    EXPECT_EQ(pictures.ForScreen(1.5), Taken(2, 10));
    EXPECT_EQ(pictures.ForScreen(2), Taken(2, 10));
    EXPECT_EQ(pictures.ForScreen(2.25), Taken(3, 10));
    EXPECT_EQ(pictures.ForScreen(4), Taken(3, 10));
}

TEST(DenserPictures, APictureWithoutDenserOnesOrWithOnesOfAnotherSizeIsTakenAsItIs) {
    using Taken = std::pair<qreal, qreal>;
    EXPECT_EQ(Pictures({}).ForScreen(2), Taken(1, 10));
    EXPECT_EQ(Pictures({{2, {21, 16}}}).ForScreen(2), Taken(1, 10));
    EXPECT_EQ(Pictures({{2, {21, 16}}, {3, {30, 24}}}).ForScreen(2), Taken(3, 10));
}
