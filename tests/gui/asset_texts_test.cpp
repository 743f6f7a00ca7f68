#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPaintEngine>
#include <QRawFont>
#include <QTextItem>
#include <vector>

#include "console_background.h"
#include "screenshots.h"
#include "slide_table.h"

// Every text that the build's pictures show, drawn with the fonts the
// programs carry: each must fit the box it is drawn in, in its own font,
// whatever fonts the machine has.

namespace {

struct DrawnText {
    QString text;
    QFont font;
    QRectF ink;   // where its glyphs would go
    QRectF clip;  // the box it is drawn in
};

// Paints nothing and keeps every text with the box its painter clips it to.
class TextRecorder : public QPaintEngine {
  public:
    TextRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
    std::vector<DrawnText> texts;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
    }
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF& origin, const QTextItem& item) override {
        QRectF ink = QFontMetricsF(item.font()).tightBoundingRect(item.text()).translated(origin);
        QRectF clip = painter()->hasClipping() ? painter()->clipBoundingRect() : QRectF();
        texts.push_back({item.text(), item.font(), ink, clip});
    }
    Type type() const override { return User; }
};

// A picture-sized surface that records instead of painting.
class TextSurface : public QPaintDevice {
  public:
    explicit TextSurface(QSize size) : reference_(size, QImage::Format_RGB32) {}
    QPaintEngine* paintEngine() const override { return &recorder; }
    mutable TextRecorder recorder;

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
                return reference_.width();
            case PdmHeight:
                return reference_.height();
            case PdmWidthMM:
                return reference_.widthMM();
            case PdmHeightMM:
                return reference_.heightMM();
            case PdmDpiX:
            case PdmPhysicalDpiX:
                return reference_.logicalDpiX();
            case PdmDpiY:
            case PdmPhysicalDpiY:
                return reference_.logicalDpiY();
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
            default:
                return reference_.depth();  // colours and depth
        }
    }

  private:
    QImage reference_;
};

template <class Paint>
std::vector<DrawnText> TextsOf(QSize size, Paint paint) {
    TextSurface surface(size);
    QPainter painter(&surface);
    paint(painter);
    painter.end();
    return surface.recorder.texts;
}

// One of the font's families, each resolved to a face the programs carry,
// has the character: the machine's fonts are never asked for it.
bool Carries(const QFont& font, char32_t character) {
    for (const QString& family : font.families()) {
        QFont face = font;
        face.setFamilies({family});
        bool carried = QFontInfo(face).family() == family;
        if (carried && QRawFont::fromFont(face).supportsCharacter(character)) return true;
    }
    return false;
}

void ExpectEachFits(const std::vector<DrawnText>& texts, QSize size, const char* picture) {
    EXPECT_GT(texts.size(), 10u) << picture;
    for (const DrawnText& drawn : texts) {
        std::string what = std::string(picture) + ": \"" + drawn.text.toStdString() + "\"";
        QRectF box = drawn.clip.isNull() ? QRectF(QPointF(0, 0), QSizeF(size)) : drawn.clip;
        // Half a pixel of anti-aliasing may spill over the box's edge.
        EXPECT_TRUE(box.adjusted(-0.5, -0.5, 0.5, 0.5).contains(drawn.ink))
            << what << " needs " << drawn.ink.width() << " x " << drawn.ink.height() << " at "
            << drawn.ink.x() << ", " << drawn.ink.y() << "; its box is " << box.width() << " x "
            << box.height() << " at " << box.x() << ", " << box.y();
        for (char32_t character : drawn.text.toUcs4()) {
            EXPECT_TRUE(Carries(drawn.font, character))
                << what << " has U+" << std::hex << static_cast<unsigned>(character)
                << ", which no face of its font carries";
        }
    }
}

TEST(AssetTexts, EveryTextOfTheBackgroundFitsItsBoxInTheCarriedFonts) {
    const QSize size(1445, 633);
    ExpectEachFits(TextsOf(size, [](QPainter& p) { PaintConsoleBackground(p); }), size,
                   "background");
}

TEST(AssetTexts, EveryTextOfTheScreenshotsFitsItsBoxInTheCarriedFonts) {
    const QSize size(1239, 705);
    for (int slide = 0; slide < kSlideCount; ++slide) {
        std::string name = "screenshot " + std::to_string(slide);
        ExpectEachFits(TextsOf(size, [slide](QPainter& p) { PaintScreenshot(p, slide); }), size,
                       name.c_str());
    }
}

}  // namespace
