#pragma once

#include <cstdint>
#include <string>

// Positions and sizes are in twips: 1/1440 inch, 15 twips to a pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TwipRect&) const = default;
};

// The desktop's colours by role; their shades are the desktop's business.
enum class SystemColour {
    None,
    ButtonFace,
    ButtonText,
    Window,
    WindowText,
    MenuText,
    ActiveBorder
};

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    SystemColour role = SystemColour::None;

    static constexpr Colour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return {r, g, b, SystemColour::None};
    }
    static constexpr Colour System(SystemColour role) { return {0, 0, 0, role}; }
    bool operator==(const Colour&) const = default;
};

namespace colours {
inline constexpr Colour Black = Colour::Rgb(0, 0, 0);
inline constexpr Colour White = Colour::Rgb(255, 255, 255);     // standard colour 15
inline constexpr Colour DarkGrey = Colour::Rgb(128, 128, 128);  // standard colour 8
inline constexpr Colour ButtonFace = Colour::System(SystemColour::ButtonFace);
inline constexpr Colour ButtonText = Colour::System(SystemColour::ButtonText);
inline constexpr Colour Window = Colour::System(SystemColour::Window);
inline constexpr Colour WindowText = Colour::System(SystemColour::WindowText);
inline constexpr Colour MenuText = Colour::System(SystemColour::MenuText);
inline constexpr Colour ActiveBorder = Colour::System(SystemColour::ActiveBorder);
}  // namespace colours

struct Font {
    std::string family = "Arial";
    double points = 8.25;
    bool bold = true;
    bool operator==(const Font&) const = default;
};

// The page draws by these enums, ShapeKind and BorderStyle too: its codes are
// made from them when the site is built (web/page_codes.py).
enum class Alignment { Left, Right, Centre };
