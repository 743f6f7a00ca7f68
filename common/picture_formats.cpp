#include "picture_formats.h"

#include <cstdint>

#include "crc32.h"

namespace {

std::uint32_t LittleEndian32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::uint32_t BigEndian32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}
std::uint32_t BigEndian16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at]) << 8 |
                                      static_cast<unsigned char>(bytes[at + 1]));
}
std::uint32_t LittleEndian16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8);
}

// Every encoder ends a JPEG with the end-of-image marker and a GIF with its
// trailer byte.
bool JpegWhole(std::string_view bytes) {
    return bytes.ends_with("\xFF\xD9");
}
// Every chunk whole and as its CRC says, from the header to the IEND chunk
// at the very end: browsers differ on a chunk that fails its CRC (one
// refuses the picture, another shows it blank), so it is refused here alike.
bool PngWhole(std::string_view bytes) {
    constexpr std::size_t kChunkFrame = 12;  // length, type and CRC around the data
    std::size_t at = 8;
    for (bool first = true; bytes.size() - at >= kChunkFrame; first = false) {
        std::uint32_t length = BigEndian32(bytes, at);
        if (length > bytes.size() - at - kChunkFrame) return false;
        std::string_view typed = bytes.substr(at + 4, 4 + length);
        if (first != typed.starts_with("IHDR")) return false;
        if (Crc32(typed) != BigEndian32(bytes, at + 8 + length)) return false;
        at += kChunkFrame + length;
        if (typed.starts_with("IEND")) return at == bytes.size();
    }
    return false;
}
bool GifWhole(std::string_view bytes) {
    return bytes.ends_with(';');
}
// BMP and WebP give their own length at the start.
bool BmpWhole(std::string_view bytes) {
    return bytes.size() >= 6 && bytes.size() >= LittleEndian32(bytes, 2);
}
bool WebpWhole(std::string_view bytes) {
    return bytes.size() >= 12 && bytes.substr(8, 4) == "WEBP" &&
           bytes.size() - 8 >= LittleEndian32(bytes, 4);
}

// The size in a frame header: the first start-of-frame marker's.
std::optional<PictureDimensions> JpegSize(std::string_view bytes) {
    for (std::size_t at = 2; at + 4 <= bytes.size();) {
        if (bytes[at] != '\xFF') return std::nullopt;
        auto marker = static_cast<unsigned char>(bytes[at + 1]);
        bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (at + 9 > bytes.size()) return std::nullopt;
            return PictureDimensions{BigEndian16(bytes, at + 7), BigEndian16(bytes, at + 5)};
        }
        bool alone = marker == 0xFF || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8);
        at += alone ? (marker == 0xFF ? 1 : 2) : 2 + BigEndian16(bytes, at + 2);
    }
    return std::nullopt;
}
std::optional<PictureDimensions> PngSize(std::string_view bytes) {
    if (bytes.size() < 24 || bytes.substr(12, 4) != "IHDR") return std::nullopt;
    return PictureDimensions{BigEndian32(bytes, 16), BigEndian32(bytes, 20)};
}
std::optional<PictureDimensions> GifSize(std::string_view bytes) {
    if (bytes.size() < 10) return std::nullopt;
    return PictureDimensions{LittleEndian16(bytes, 6), LittleEndian16(bytes, 8)};
}
// The old OS/2 header holds 16-bit sizes; the others 32-bit ones, the height
// negative for a picture stored top down.
std::optional<PictureDimensions> BmpSize(std::string_view bytes) {
    if (bytes.size() < 26) return std::nullopt;
    if (LittleEndian32(bytes, 14) == 12) {
        return PictureDimensions{LittleEndian16(bytes, 18), LittleEndian16(bytes, 20)};
    }
    auto height = static_cast<std::int32_t>(LittleEndian32(bytes, 22));
    std::uint32_t tall =
        height < 0 ? 0u - static_cast<std::uint32_t>(height) : static_cast<std::uint32_t>(height);
    return PictureDimensions{LittleEndian32(bytes, 18), tall};
}
// Lossy, lossless and extended WebP each keep the size their own way.
std::optional<PictureDimensions> WebpSize(std::string_view bytes) {
    if (bytes.size() < 30) return std::nullopt;
    std::string_view chunk = bytes.substr(12, 4);
    if (chunk == "VP8 " && bytes.substr(23, 3) == "\x9D\x01\x2A") {
        return PictureDimensions{LittleEndian16(bytes, 26) & 0x3FFF,
                                 LittleEndian16(bytes, 28) & 0x3FFF};
    }
    if (chunk == "VP8L" && bytes[20] == '\x2F') {
        std::uint32_t bits = LittleEndian32(bytes, 21);
        return PictureDimensions{(bits & 0x3FFF) + 1, (bits >> 14 & 0x3FFF) + 1};
    }
    if (chunk == "VP8X") {
        auto three = [&](std::size_t at) { return LittleEndian32(bytes, at) & 0xFFFFFF; };
        return PictureDimensions{three(24) + 1, three(27) + 1};
    }
    return std::nullopt;
}

struct PictureFormat {
    std::string_view name;
    std::string_view extensions[2];  // lower case; the second may be empty
    std::string_view signature;      // what a file of the format starts with
    bool (*whole)(std::string_view bytes);
    std::optional<PictureDimensions> (*size)(std::string_view bytes);
};

constexpr PictureFormat kFormats[] = {
    {"JPEG", {".jpg", ".jpeg"}, "\xFF\xD8\xFF", JpegWhole, JpegSize},
    {"PNG", {".png", ""}, "\x89PNG\r\n\x1A\n", PngWhole, PngSize},
    {"GIF", {".gif", ""}, "GIF8", GifWhole, GifSize},
    {"BMP", {".bmp", ""}, "BM", BmpWhole, BmpSize},
    {"WebP", {".webp", ""}, "RIFF", WebpWhole, WebpSize},
};

bool EndsWithLowerCase(std::string_view name, std::string_view end) {
    if (end.empty() || name.size() < end.size()) return false;
    name.remove_prefix(name.size() - end.size());
    for (std::size_t i = 0; i < end.size(); ++i) {
        char c = name[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != end[i]) return false;
    }
    return true;
}

}  // namespace

std::string PictureFormatNames() {
    std::string names;
    constexpr std::size_t kLast = std::size(kFormats) - 1;
    for (std::size_t i = 0; i < std::size(kFormats); ++i) {
        if (i > 0) names += i == kLast ? " or " : ", ";
        names += kFormats[i].name;
    }
    return names;
}

bool IsPictureName(std::string_view name) {
    for (const PictureFormat& format : kFormats) {
        for (std::string_view extension : format.extensions) {
            if (EndsWithLowerCase(name, extension)) return true;
        }
    }
    return false;
}

bool PictureIsWhole(std::string_view bytes) {
    for (const PictureFormat& format : kFormats) {
        if (bytes.starts_with(format.signature)) return format.whole(bytes);
    }
    return false;
}

std::optional<PictureDimensions> PictureHeaderSize(std::string_view bytes) {
    for (const PictureFormat& format : kFormats) {
        if (bytes.starts_with(format.signature)) return format.size(bytes);
    }
    return std::nullopt;
}
