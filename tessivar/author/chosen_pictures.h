#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "image_source.h"

// In the browser, the files an instructor chooses on the computer stand in
// for a deck's folder: each is told here once, name first, then its bytes,
// then what the browser made of them. Names are the pictures' paths.

enum class ChosenKind { kPicture, kDeckFile, kZip, kLeftOut };

// The largest files and pictures taken: far beyond any deck or screenshot
// (an 8K screenshot is 33 million pixels, a deck of a thousand slides a few
// hundred KiB), and within what every browser decodes and the page holds.
inline constexpr std::uint64_t kLargestPictureFile = std::uint64_t{64} << 20;
inline constexpr std::uint64_t kLargestDeckFile = std::uint64_t{4} << 20;
inline constexpr std::uint64_t kLargestPictureSide = 16384;
inline constexpr std::uint64_t kMostPicturePixels = 50'000'000;

// What becomes of a chosen file, and what the instructor is told of it.
struct Admission {
    ChosenKind kind = ChosenKind::kLeftOut;
    std::string message;
};

struct ChosenPicture {
    std::optional<PictureSize> size;  // once it has decoded whole
    std::uint32_t crc = 0;
    std::uint64_t length = 0;
};

class ChosenPictures : public ImageSource {
  public:
    // The files of one choice (files, a folder, a zip): a name comes once in it.
    void NewChoice() { choice_.clear(); }
    void Clear();

    // What the name makes of a file, alone: a picture, the deck's file, a
    // zip, or something left out.
    static Admission KindOf(const std::string& name);
    // The same for a file of this choice: a picture whose name another
    // picture has is left out, or replaces the one of an earlier choice.
    Admission Admit(const std::string& name);
    // Why a file of this name and length is not read (a picture or a deck
    // file beyond its limit), asked before its bytes are.
    static std::optional<std::string> TooLarge(const std::string& name, std::uint64_t length);
    // A picture's bytes, with the CRC that a zip lists for them: why it is
    // left out (damaged, or more pixels than are taken), or nothing when the
    // browser is to decode it now.
    std::optional<std::string> Take(const std::string& name, std::string_view bytes,
                                    std::optional<std::uint32_t> listedCrc = {});
    // What the browser made of it: its size, or nothing when it could not.
    std::optional<std::string> Decoded(const std::string& name, std::optional<PictureSize> size);

    // The pictures that decoded whole, by name.
    std::vector<std::string> Names() const;
    const ChosenPicture* Find(const std::string& name) const;

    bool CanLoad(const std::string& path) override { return Size(path).has_value(); }
    std::optional<PictureSize> Size(const std::string& path) override;
    bool Exists(const std::string& path) override { return pictures_.contains(path); }

  private:
    std::map<std::string, ChosenPicture> pictures_;
    std::set<std::string> choice_;  // folded, as Windows and macOS compare names
};
