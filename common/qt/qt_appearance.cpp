#include "qt_appearance.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>

namespace {

// Fractional positions stay fractional.
constexpr double kTwips = kTwipsPerPixel;

int Pixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwips));
}

// Families that a Linux desktop seldom has, followed by look-alikes that it does.
struct FontSubstitute {
    const char* family;
    QStringList fallbacks;
    bool italicWhenMissing;  // a plain serif gets a hand-lettered air from italics
};

const FontSubstitute kSubstitutes[] = {
    {"Arial", {"Liberation Sans", "DejaVu Sans"}, false},
    {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}, false},
    {"Courier", {"Liberation Mono", "DejaVu Sans Mono"}, false},
    {"Courier New", {"Liberation Mono", "DejaVu Sans Mono"}, false},
    {"Papyrus", {"Z003", "Liberation Serif", "DejaVu Serif"}, true},
};

const FontSubstitute* SubstituteFor(const std::string& family) {
    for (const FontSubstitute& substitute : kSubstitutes) {
        if (family == substitute.family) return &substitute;
    }
    return nullptr;
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
    return {rect.left / kTwips, rect.top / kTwips, rect.width / kTwips,
            rect.height / kTwips};
}

QPointF PixelPoint(double xTwips, double yTwips) {
    return {xTwips / kTwips, yTwips / kTwips};
}

QColor ToQColor(const Colour& colour, const QPalette& palette) {
    if (colour.role != SystemColour::None) return RoleColour(colour.role, palette);
    return QColor(colour.red, colour.green, colour.blue);
}

QFont ToQFont(const Font& font) {
    QFont result;
    QString family = QString::fromStdString(font.family);
    QStringList families{family};
    if (const FontSubstitute* substitute = SubstituteFor(font.family)) {
        families << substitute->fallbacks;
        if (substitute->italicWhenMissing && !QFontDatabase::hasFamily(family))
            result.setItalic(true);
    }
    result.setFamilies(families);
    // Sizes are points at 96 dots per inch; pixel sizes keep them so on any screen.
    result.setPixelSize(static_cast<int>(std::lround(font.points * 96.0 / 72.0)));
    result.setBold(font.bold);
    return result;
}

QString DisplayText(const std::string& text) {
    QString display = QString::fromStdString(text);
    display.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    display.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return display;
}
