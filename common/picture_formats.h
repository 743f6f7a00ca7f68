#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The picture formats that Tessivar shows, the same on the desktop and in the
// browser: those that Qt and every browser decode (JPEG, PNG, GIF, BMP and
// WebP). The checks, the author window's folder listing and the messages all
// take them from here.

// "JPEG, PNG, GIF, BMP or WebP".
std::string PictureFormatNames();

// True when the file name ends in the extension of one of the formats, in any case.
bool IsPictureName(std::string_view name);

// True when the bytes are a file of one of the formats that reaches the end
// its format requires. Decoders show a file cut short with its missing part
// grey, or not at all, each in its own way: a file that lacks its end has lost
// part of its picture, and is refused alike everywhere. So is a PNG with a
// chunk that fails its CRC, which browsers take or refuse each its own way.
bool PictureIsWhole(std::string_view bytes);

// A picture's size as its file's header gives it, read before any decoding:
// what a file declares, however large, or nothing when the header cannot be read.
struct PictureDimensions {
    std::uint64_t width = 0;
    std::uint64_t height = 0;
};
std::optional<PictureDimensions> PictureHeaderSize(std::string_view bytes);
