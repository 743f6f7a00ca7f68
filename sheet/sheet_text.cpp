#include "sheet_text.h"

#include <cstdint>
#include <optional>

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";

// Lines end in CR LF, LF or CR alone, as the file reader counts them.
class LineCounter {
  public:
    void See(std::uint32_t c) {
        if (c == '\n' && last_ == '\r') {
            last_ = c;
            return;
        }
        if (c == '\n' || c == '\r') ++line_;
        last_ = c;
    }
    int Line() const { return line_; }

  private:
    int line_ = 1;
    std::uint32_t last_ = 0;
};

// The length of the well-formed UTF-8 sequence at `at` (no overlong forms, no
// surrogates, nothing beyond U+10FFFF), or 0.
std::size_t Utf8Length(std::string_view text, std::size_t at) {
    auto byte = [&](std::size_t i) {
        return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0u;
    };
    unsigned lead = byte(0);
    if (lead < 0x80) return 1;
    auto trail = [&](std::size_t i, unsigned low = 0x80, unsigned high = 0xBF) {
        return byte(i) >= low && byte(i) <= high;
    };
    if (lead >= 0xC2 && lead <= 0xDF) return trail(1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        unsigned low = lead == 0xE0 ? 0xA0 : 0x80;
        unsigned high = lead == 0xED ? 0x9F : 0xBF;
        return trail(1, low, high) && trail(2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        unsigned low = lead == 0xF0 ? 0x90 : 0x80;
        unsigned high = lead == 0xF4 ? 0x8F : 0xBF;
        return trail(1, low, high) && trail(2) && trail(3) ? 4 : 0;
    }
    return 0;
}

SheetText CheckUtf8(std::string_view text) {
    LineCounter lines;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = Utf8Length(text, at);
        if (length == 0) return {"", lines.Line()};
        lines.See(static_cast<unsigned char>(text[at]));
        at += length;
    }
    return {std::string(text), 0};
}

void AppendUtf8(std::string& text, std::uint32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | c >> 6);
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | c >> 12);
        text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | c >> 18);
        text += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// UTF-16 after its mark; a lone surrogate or an odd last byte is refused.
SheetText FromUtf16(std::string_view bytes, bool bigEndian) {
    auto unit = [&](std::size_t at) -> std::optional<std::uint32_t> {
        if (at + 1 >= bytes.size()) return std::nullopt;
        auto first = static_cast<unsigned char>(bytes[at]);
        auto second = static_cast<unsigned char>(bytes[at + 1]);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    SheetText decoded;
    LineCounter lines;
    for (std::size_t at = 0; at < bytes.size(); at += 2) {
        std::optional<std::uint32_t> c = unit(at);
        if (c && *c >= 0xD800 && *c <= 0xDBFF) {
            std::optional<std::uint32_t> low = unit(at + 2);
            bool paired = low && *low >= 0xDC00 && *low <= 0xDFFF;
            c = paired ? std::optional(0x10000 + ((*c - 0xD800) << 10) + (*low - 0xDC00))
                       : std::nullopt;
            at += 2;
        } else if (c && *c >= 0xDC00 && *c <= 0xDFFF) {
            c.reset();
        }
        if (!c) return {"", lines.Line()};
        lines.See(*c);
        AppendUtf8(decoded.utf8, *c);
    }
    return decoded;
}

}  // namespace

SheetText DecodeSheetText(std::string_view bytes) {
    if (bytes.starts_with(kUtf16LittleMark)) return FromUtf16(bytes.substr(2), false);
    if (bytes.starts_with(kUtf16BigMark)) return FromUtf16(bytes.substr(2), true);
    if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
    return CheckUtf8(bytes);
}

std::string NotUtf8Problem() {
    return "this line holds text that is not UTF-8, so the file would show wrong letters; "
           "save it from the spreadsheet as \"CSV UTF-8\" (in LibreOffice: Text CSV, character "
           "set Unicode (UTF-8)) and try again";
}
