#include "zip_archive.h"

#include <limits>

#include "zip_format.h"

namespace {

using namespace zip;

constexpr std::uint16_t kVersion = 20;  // 2.0: deflate, folders
// 1 January 1980, midnight: the same bytes for the same files, build after build.
constexpr std::uint16_t kDosTime = 0;
constexpr std::uint16_t kDosDate = (1 << 5) | 1;

void Put16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xff);
    out += static_cast<char>((value >> 8) & 0xff);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, value & 0xffff);
    Put16(out, value >> 16);
}

// Sizes and offsets have 32 bits in the format.
bool Fits(std::uint64_t size) {
    return size <= std::numeric_limits<std::uint32_t>::max();
}

// The fields that the local and the directory's header share, from "version
// needed" to the name's length.
void Common(std::string& out, const ZipRecord& r) {
    bool ascii = true;
    for (char c : r.name) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    Put16(out, kVersion);
    Put16(out, ascii ? 0 : kUtf8Names);
    Put16(out, r.deflated ? kDeflated : kStored);
    Put16(out, kDosTime);
    Put16(out, kDosDate);
    Put32(out, r.crc);
    Put32(out, static_cast<std::uint32_t>(r.packed));
    Put32(out, static_cast<std::uint32_t>(r.size));
    Put16(out, static_cast<std::uint32_t>(r.name.size()));
    Put16(out, 0);  // no extra field
}

}  // namespace

bool PlainEntryName(std::string_view name) {
    if (name.empty() || name.size() > 0xffff) return false;
    std::size_t start = 0;
    while (true) {
        std::size_t end = name.find('/', start);
        std::string_view part = name.substr(start, end - start);
        if (part.empty() || part == "." || part == "..") return false;
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    for (char c : name) {
        if (c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> ZipWriter::Header(const ZipRecord& r) {
    if (!PlainEntryName(r.name) || !Fits(r.size) || !Fits(r.packed) || count_ >= 0xffff) {
        return std::nullopt;
    }
    std::uint64_t offset = written_;
    std::string local;
    Put32(local, kLocalHeader);
    Common(local, r);
    local += r.name;
    written_ += local.size() + r.packed;

    Put32(directory_, kCentralHeader);
    Put16(directory_, kVersion);  // made by
    Common(directory_, r);
    Put16(directory_, 0);  // comment
    Put16(directory_, 0);  // disk
    Put16(directory_, 0);  // internal attributes
    Put32(directory_, 0);  // external attributes
    Put32(directory_, static_cast<std::uint32_t>(offset));
    directory_ += r.name;
    ++count_;
    if (!Fits(offset) || !Fits(written_ + directory_.size())) return std::nullopt;
    return local;
}

std::optional<std::string> ZipWriter::Directory() {
    if (!Fits(written_ + directory_.size())) return std::nullopt;
    std::string out = directory_;
    Put32(out, kEndOfCentral);
    Put16(out, 0);  // this disk
    Put16(out, 0);  // the directory's disk
    Put16(out, static_cast<std::uint32_t>(count_));
    Put16(out, static_cast<std::uint32_t>(count_));
    Put32(out, static_cast<std::uint32_t>(directory_.size()));
    Put32(out, static_cast<std::uint32_t>(written_));
    Put16(out, 0);  // no comment
    return out;
}

std::optional<std::string> ZipArchive(const std::vector<ZipEntry>& entries,
                                      const Deflate& deflate) {
    ZipWriter writer;
    std::string out;
    for (const ZipEntry& entry : entries) {
        std::optional<std::string> packed = deflate ? deflate(entry.data) : std::nullopt;
        bool shrinks = packed && packed->size() < entry.data.size();
        const std::string& body = shrinks ? *packed : entry.data;
        std::optional<std::string> header =
            writer.Header({entry.name, Crc32(entry.data), entry.data.size(), body.size(), shrinks});
        if (!header) return std::nullopt;
        out += *header;
        out += body;
    }
    std::optional<std::string> directory = writer.Directory();
    if (!directory) return std::nullopt;
    return out + *directory;
}
