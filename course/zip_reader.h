#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reads a zip archive in pieces, as one chosen in a browser may be larger
// than memory: its last bytes say where its directory lies, the directory
// lists its entries, and each entry's local header says where its data
// starts. Archives of more than 4 GiB (ZIP64) are not read.

struct ZipSpan {
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};

// The end record and the longest comment that may follow it.
inline constexpr std::uint64_t kZipTailBytes = 22 + 0xffff;
// Where the directory lies, from the archive's last bytes (kZipTailBytes, or
// all of a smaller archive) and its whole size.
std::optional<ZipSpan> ZipDirectoryIn(std::string_view tail, std::uint64_t archiveSize);

struct ZipItem {
    std::string name;
    std::uint32_t crc = 0;
    std::uint64_t size = 0;
    std::uint64_t packed = 0;
    std::uint64_t header = 0;  // where its local header starts
    bool deflated = false;
    bool readable = true;  // stored or deflated, not encrypted
    bool folder = false;   // an entry for a folder alone
};

// The entries of the directory; nothing when it is damaged.
std::optional<std::vector<ZipItem>> ZipItems(std::string_view directory);

// The local header's fixed part, which holds the lengths before the data.
inline constexpr std::uint64_t kZipLocalBytes = 30;
// Where the item's data lies, from kZipLocalBytes at its header.
std::optional<ZipSpan> ZipDataIn(std::string_view local, const ZipItem& item);
