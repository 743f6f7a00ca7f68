#include "picture_formats.h"

#include <cstdint>

namespace {

std::uint32_t LittleEndian32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// Every encoder ends a JPEG with the end-of-image marker, a PNG with the IEND
// chunk and a GIF with its trailer byte.
bool JpegWhole(std::string_view bytes) {
    return bytes.ends_with("\xFF\xD9");
}
bool PngWhole(std::string_view bytes) {
    return bytes.ends_with(std::string_view("\0\0\0\0IEND\xAE\x42\x60\x82", 12));
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

struct PictureFormat {
    std::string_view name;
    std::string_view extensions[2];  // lower case; the second may be empty
    std::string_view signature;      // what a file of the format starts with
    bool (*whole)(std::string_view bytes);
};

constexpr PictureFormat kFormats[] = {
    {"JPEG", {".jpg", ".jpeg"}, "\xFF\xD8\xFF", JpegWhole},
    {"PNG", {".png", ""}, "\x89PNG\r\n\x1A\n", PngWhole},
    {"GIF", {".gif", ""}, "GIF8", GifWhole},
    {"BMP", {".bmp", ""}, "BM", BmpWhole},
    {"WebP", {".webp", ""}, "RIFF", WebpWhole},
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
