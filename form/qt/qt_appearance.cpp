#include "qt_appearance.h"

#include <QGuiApplication>
#include <cmath>

#include "embedded_fonts.h"

namespace {

// Fractional positions stay fractional.
constexpr double kTwips = kTwipsPerPixel;

int Pixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwips));
}

// Every family the models name is drawn with one the programs carry, the
// same on every machine.
struct CarriedFace {
    const char* family;
    const char* carried;
    bool italic;  // a plain serif gets a hand-lettered air from italics
};

const CarriedFace kFaces[] = {
    {"Arial", fonts::kSans, false},   {"MS Sans Serif", fonts::kSans, false},
    {"Courier", fonts::kMono, false}, {"Courier New", fonts::kMono, false},
    {"Papyrus", fonts::kSerif, true},
};

CarriedFace FaceFor(const std::string& family) {
    for (const CarriedFace& face : kFaces) {
        if (family == face.family) return face;
    }
    return {"", fonts::kSans, false};
}

QColor RoleColour(SystemColour role, const QPalette& palette) {
    switch (role) {
        case SystemColour::ButtonFace:
            return palette.color(QPalette::Button);
        case SystemColour::ButtonText:
            return palette.color(QPalette::ButtonText);
        case SystemColour::Window:
            return palette.color(QPalette::Base);
        case SystemColour::WindowText:
            return palette.color(QPalette::Text);
        case SystemColour::MenuText:
            return palette.color(QPalette::WindowText);
        case SystemColour::ActiveBorder:
            return QColor(212, 208, 200);
        case SystemColour::None:
            break;
    }
    return {};
}

}  // namespace

QRect PixelRect(const TwipRect& rect) {
    int left = Pixels(rect.left);
    int top = Pixels(rect.top);
    return {left, top, Pixels(rect.left + rect.width) - left, Pixels(rect.top + rect.height) - top};
}

QRectF PixelRectF(const TwipRect& rect) {
    return {rect.left / kTwips, rect.top / kTwips, rect.width / kTwips, rect.height / kTwips};
}

QPointF PixelPoint(double xTwips, double yTwips) {
    return {xTwips / kTwips, yTwips / kTwips};
}

QColor ToQColor(const Colour& colour, const QPalette& palette) {
    if (colour.role != SystemColour::None) return RoleColour(colour.role, palette);
    return QColor(colour.red, colour.green, colour.blue);
}

QFont ToQFont(const Font& font) {
    CarriedFace face = FaceFor(font.family);
    QFont result;
    // Characters the face lacks come from the symbols face first.
    result.setFamilies({face.carried, fonts::kSymbols});
    result.setItalic(face.italic);
    // Sizes are points at 96 dots per inch; pixel sizes keep them so on any screen.
    result.setPixelSize(static_cast<int>(std::lround(font.points * 96.0 / 72.0)));
    result.setBold(font.bold);
    return result;
}

bool UseEmbeddedFonts() {
    if (!RegisterEmbeddedFonts()) return false;
    // Message boxes and anything else without a font of its own.
    QGuiApplication::setFont(ToQFont({"MS Sans Serif", 8.25, false}));
    return true;
}

QString DisplayText(const std::string& text) {
    QString display = QString::fromStdString(text);
    display.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    display.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return display;
}
