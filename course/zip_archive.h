#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "crc32.h"

// A zip archive as learning platforms and unzip tools read it: each file
// stored or deflated, under a plain relative name.
struct ZipEntry {
    std::string name;  // relative, '/' between folders
    std::string data;
};

// Raw deflate (no header), or nothing when the data is better stored.
using Deflate = std::function<std::optional<std::string>(std::string_view data)>;

// The archive's bytes, entries in the order given; without a Deflate, or
// where it does not shrink the data, entries are stored as they are.
// Nothing when a name is not a PlainEntryName or the archive would outgrow
// the format (4 GiB, 65,535 entries).
std::optional<std::string> ZipArchive(const std::vector<ZipEntry>& entries,
                                      const Deflate& deflate = {});

// An entry as the archive describes it: its data's CRC and size, and its
// size in the archive, stored or deflated.
struct ZipRecord {
    std::string name;
    std::uint32_t crc = 0;
    std::uint64_t size = 0;
    std::uint64_t packed = 0;
    bool deflated = false;
};

// Writes an archive piece by piece, for data that is too large to hold at
// once or is already deflated: the bytes before each entry's data, then,
// after the last, the directory. Each answers nothing when a name is not a
// PlainEntryName or the archive would outgrow the format.
class ZipWriter {
  public:
    std::optional<std::string> Header(const ZipRecord& record);
    std::optional<std::string> Directory();

  private:
    std::string directory_;
    std::uint64_t written_ = 0;
    std::size_t count_ = 0;
};

// A name that unpacks inside the folder it is unpacked in: relative, no
// empty, "." or ".." part, no backslash, drive letter or control character.
bool PlainEntryName(std::string_view name);
