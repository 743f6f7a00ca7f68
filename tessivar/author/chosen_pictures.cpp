#include "chosen_pictures.h"

#include <algorithm>

#include "deck.h"
#include "deck_check.h"
#include "picture_formats.h"
#include "zip_archive.h"

namespace {

std::string Folded(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

bool EndsWith(std::string_view name, std::string_view end) {
    return Folded(name).ends_with(end);
}

std::string MiB(std::uint64_t bytes) {
    constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;
    return std::to_string((bytes + kMiB - 1) / kMiB) + " MiB";
}

std::optional<std::string> TooManyPixels(const std::string& name, std::string_view bytes) {
    std::optional<PictureDimensions> size = PictureHeaderSize(bytes);
    if (!size) return std::nullopt;
    bool tooLarge = size->width > kLargestPictureSide || size->height > kLargestPictureSide ||
                    size->width * size->height > kMostPicturePixels;
    if (!tooLarge) return std::nullopt;
    return Quoted(name) + " is " + std::to_string(size->width) + " x " +
           std::to_string(size->height) + " pixels, more than a picture may have (" +
           std::to_string(kLargestPictureSide) + " pixels on a side, " +
           std::to_string(kMostPicturePixels / 1'000'000) + " million in all): it is left out";
}

}  // namespace

std::optional<std::string> ChosenPictures::TooLarge(const std::string& name, std::uint64_t length) {
    ChosenKind kind = KindOf(name).kind;
    if (kind == ChosenKind::kPicture && length > kLargestPictureFile) {
        return Quoted(name) + " is " + MiB(length) + ", more than the " + MiB(kLargestPictureFile) +
               " a picture file may have: it is left out";
    }
    if (kind == ChosenKind::kDeckFile && length > kLargestDeckFile) {
        return Quoted(name) + " is " + MiB(length) + ", more than the " + MiB(kLargestDeckFile) +
               " a deck file may have: it is not read, and the deck starts with no slides";
    }
    return std::nullopt;
}

void ChosenPictures::Clear() {
    pictures_.clear();
    choice_.clear();
}

Admission ChosenPictures::KindOf(const std::string& name) {
    if (!PlainFileName(name)) {
        return {ChosenKind::kLeftOut, Quoted(name) +
                                          " is not a plain file name (no / \\ : or control "
                                          "characters): rename it; it is left out"};
    }
    if (name == kDeckFileName) return {ChosenKind::kDeckFile, ""};
    if (EndsWith(name, ".zip")) return {ChosenKind::kZip, ""};
    if (!IsPictureName(name)) {
        std::string hint = EndsWith(name, ".csv") ? "; a deck's file is named deck.csv" : "";
        return {ChosenKind::kLeftOut, Quoted(name) + " is not a " + PictureFormatNames() +
                                          " picture" + hint + ": it is left out"};
    }
    return {ChosenKind::kPicture, ""};
}

Admission ChosenPictures::Admit(const std::string& name) {
    Admission kind = KindOf(name);
    if (kind.kind != ChosenKind::kPicture) return kind;
    std::string folded = Folded(name);
    auto same = std::find_if(pictures_.begin(), pictures_.end(),
                             [&](const auto& picture) { return Folded(picture.first) == folded; });
    bool twin = same != pictures_.end() && same->first != name;
    if (twin || !choice_.insert(folded).second) {
        return {ChosenKind::kLeftOut,
                "two pictures are named " + Quoted(name) +
                    " (Windows and macOS take names that differ only in case for one): the "
                    "second is left out"};
    }
    if (same != pictures_.end()) {
        return {ChosenKind::kPicture,
                Quoted(name) + " was chosen before: the picture chosen now replaces it"};
    }
    return {ChosenKind::kPicture, ""};
}

std::optional<std::string> ChosenPictures::Take(const std::string& name, std::string_view bytes,
                                                std::optional<std::uint32_t> listedCrc) {
    ChosenPicture& picture = pictures_[name] = {std::nullopt, Crc32(bytes), bytes.size()};
    if ((listedCrc && *listedCrc != picture.crc) || !PictureIsWhole(bytes)) {
        return DamagedPicture(name);
    }
    return TooManyPixels(name, bytes);
}

std::optional<std::string> ChosenPictures::Decoded(const std::string& name,
                                                   std::optional<PictureSize> size) {
    auto picture = pictures_.find(name);
    if (picture == pictures_.end()) return DamagedPicture(name);
    picture->second.size = size;
    if (!size) return DamagedPicture(name);
    return std::nullopt;
}

std::vector<std::string> ChosenPictures::Names() const {
    std::vector<std::string> names;
    for (const auto& [name, picture] : pictures_) {
        if (picture.size) names.push_back(name);
    }
    return names;
}

const ChosenPicture* ChosenPictures::Find(const std::string& name) const {
    auto picture = pictures_.find(name);
    return picture == pictures_.end() ? nullptr : &picture->second;
}

std::optional<PictureSize> ChosenPictures::Size(const std::string& path) {
    const ChosenPicture* picture = Find(path);
    return picture ? picture->size : std::nullopt;
}
