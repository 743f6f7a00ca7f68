#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "zip_archive.h"

// An archive as a page writes it: the bytes made here, and the places
// between them where a file that the page holds goes as it is (a chosen
// picture): after bytes[0, end) comes that file, and so on.
struct ArchivePlan {
    std::string bytes;
    std::vector<std::pair<std::size_t, std::string>> pictures;
};

// The archive, entry by entry.
class PlanWriter {
  public:
    bool Add(const std::string& name, std::string_view data);
    // An entry already deflated, taken over from another archive.
    bool AddPacked(const ZipRecord& record, std::string_view packed);
    // An entry whose `length` bytes the page puts in, under its key.
    bool AddLater(const std::string& name, std::uint32_t crc, std::uint64_t length,
                  std::string key);
    // Nothing when an entry could not be written (the archive grew too large).
    std::optional<ArchivePlan> Finish();

  private:
    bool Put(const ZipRecord& record, std::string_view data);

    ZipWriter zip_;
    ArchivePlan plan_;
    bool ok_ = true;
};

// A file of a package that the build made, as it is packed there.
struct PageFile {
    ZipRecord record;
    std::string_view packed;
};

// The files of a built package that its page needs, which a package made in
// the page takes over: all but its manifest and those under `leaveOut`
// (a folder of its own content). Nothing when the zip cannot be read.
std::optional<std::vector<PageFile>> PageFiles(std::string_view zip,
                                               std::string_view leaveOut = {});
