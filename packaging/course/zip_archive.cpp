#include "zip_archive.h"

#include <array>
#include <limits>

namespace {

constexpr std::uint32_t kLocalHeader = 0x04034b50;
constexpr std::uint32_t kCentralHeader = 0x02014b50;
constexpr std::uint32_t kEndOfCentral = 0x06054b50;
constexpr std::uint16_t kVersion = 20;  // 2.0: deflate, folders
constexpr std::uint16_t kStored = 0;
constexpr std::uint16_t kDeflated = 8;
constexpr std::uint16_t kUtf8Names = 1 << 11;
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

std::uint32_t Size32(std::size_t size) {
    return static_cast<std::uint32_t>(size);
}

struct Written {
    std::uint16_t method;
    std::uint32_t crc;
    std::uint32_t size;
    std::uint32_t packed;
    std::uint32_t offset;
};

// The fields that the local and the central header share, from "version
// needed" to the name's length.
void Common(std::string& out, const ZipEntry& entry, const Written& w) {
    bool ascii = true;
    for (char c : entry.name) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    Put16(out, kVersion);
    Put16(out, ascii ? 0 : kUtf8Names);
    Put16(out, w.method);
    Put16(out, kDosTime);
    Put16(out, kDosDate);
    Put32(out, w.crc);
    Put32(out, w.packed);
    Put32(out, w.size);
    Put16(out, Size32(entry.name.size()));
    Put16(out, 0);  // no extra field
}

}  // namespace

std::uint32_t Crc32(std::string_view data) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xffffffffu;
    for (char c : data) crc = table[(crc ^ static_cast<unsigned char>(c)) & 0xff] ^ (crc >> 8);
    return crc ^ 0xffffffffu;
}

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

std::optional<std::string> ZipArchive(const std::vector<ZipEntry>& entries,
                                      const Deflate& deflate) {
    if (entries.size() > 0xffff) return std::nullopt;
    std::string out;
    std::string central;
    for (const ZipEntry& entry : entries) {
        if (!PlainEntryName(entry.name) || !Fits(entry.data.size())) return std::nullopt;
        std::optional<std::string> packed = deflate ? deflate(entry.data) : std::nullopt;
        bool shrinks = packed && packed->size() < entry.data.size();
        const std::string& body = shrinks ? *packed : entry.data;
        Written w{shrinks ? kDeflated : kStored, Crc32(entry.data), Size32(entry.data.size()),
                  Size32(body.size()), Size32(out.size())};

        Put32(out, kLocalHeader);
        Common(out, entry, w);
        out += entry.name;
        out += body;

        Put32(central, kCentralHeader);
        Put16(central, kVersion);  // made by
        Common(central, entry, w);
        Put16(central, 0);  // comment
        Put16(central, 0);  // disk
        Put16(central, 0);  // internal attributes
        Put32(central, 0);  // external attributes
        Put32(central, w.offset);
        central += entry.name;
        if (!Fits(std::uint64_t{out.size()} + central.size())) return std::nullopt;
    }
    std::uint32_t centralStart = Size32(out.size());
    out += central;
    Put32(out, kEndOfCentral);
    Put16(out, 0);  // this disk
    Put16(out, 0);  // the central directory's disk
    Put16(out, static_cast<std::uint32_t>(entries.size()));
    Put16(out, static_cast<std::uint32_t>(entries.size()));
    Put32(out, Size32(central.size()));
    Put32(out, centralStart);
    Put16(out, 0);  // no comment
    return out;
}
