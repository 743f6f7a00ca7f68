#include "zip_reader.h"

#include "zip_format.h"

namespace {

using namespace zip;

std::uint32_t Get16(std::string_view bytes, std::size_t at) {
    auto byte = [&](std::size_t i) { return static_cast<std::uint32_t>(std::uint8_t(bytes[i])); };
    return byte(at) | byte(at + 1) << 8;
}

std::uint32_t Get32(std::string_view bytes, std::size_t at) {
    return Get16(bytes, at) | Get16(bytes, at + 2) << 16;
}

}  // namespace

std::optional<ZipSpan> ZipDirectoryIn(std::string_view tail, std::uint64_t archiveSize) {
    if (tail.size() < kEndSize || tail.size() > archiveSize) return std::nullopt;
    // The last end record's signature: a comment may hold its bytes too, but
    // one of its own would have to lie beyond the end.
    for (std::size_t at = tail.size() - kEndSize + 1; at-- > 0;) {
        if (Get32(tail, at) != kEndOfCentral) continue;
        std::uint64_t start = archiveSize - tail.size() + at;
        ZipSpan directory{Get32(tail, at + 16), Get32(tail, at + 12)};
        if (directory.offset + directory.size > start) return std::nullopt;
        return directory;
    }
    return std::nullopt;
}

std::optional<std::vector<ZipItem>> ZipItems(std::string_view directory) {
    std::vector<ZipItem> items;
    for (std::size_t at = 0; at < directory.size();) {
        if (directory.size() - at < kCentralHeaderSize || Get32(directory, at) != kCentralHeader) {
            return std::nullopt;
        }
        std::size_t nameLength = Get16(directory, at + 28);
        std::size_t rest = nameLength + Get16(directory, at + 30) + Get16(directory, at + 32);
        if (directory.size() - at - kCentralHeaderSize < rest) return std::nullopt;
        std::uint32_t flags = Get16(directory, at + 8);
        std::uint32_t method = Get16(directory, at + 10);
        ZipItem item{std::string(directory.substr(at + kCentralHeaderSize, nameLength)),
                     Get32(directory, at + 16),
                     Get32(directory, at + 24),
                     Get32(directory, at + 20),
                     Get32(directory, at + 42),
                     method == kDeflated,
                     (method == kStored || method == kDeflated) && !(flags & kEncrypted)};
        item.folder = item.name.ends_with('/') && item.size == 0;
        items.push_back(std::move(item));
        at += kCentralHeaderSize + rest;
    }
    return items;
}

std::optional<ZipSpan> ZipDataIn(std::string_view local, const ZipItem& item) {
    if (local.size() < kLocalHeaderSize || Get32(local, 0) != kLocalHeader) return std::nullopt;
    return ZipSpan{item.header + kLocalHeaderSize + Get16(local, 26) + Get16(local, 28),
                   item.packed};
}
