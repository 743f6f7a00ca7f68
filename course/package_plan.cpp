#include "package_plan.h"

#include "crc32.h"
#include "zip_reader.h"

bool PlanWriter::Add(const std::string& name, std::string_view data) {
    return Put({name, Crc32(data), data.size(), data.size(), false}, data);
}

bool PlanWriter::AddPacked(const ZipRecord& record, std::string_view packed) {
    return Put(record, packed);
}

bool PlanWriter::AddLater(const std::string& name, std::uint32_t crc, std::uint64_t length,
                          std::string key) {
    if (!Put({name, crc, length, length, false}, {})) return false;
    plan_.pictures.emplace_back(plan_.bytes.size(), std::move(key));
    return true;
}

std::optional<ArchivePlan> PlanWriter::Finish() {
    std::optional<std::string> directory = zip_.Directory();
    if (!ok_ || !directory) return std::nullopt;
    plan_.bytes += *directory;
    return std::move(plan_);
}

bool PlanWriter::Put(const ZipRecord& record, std::string_view data) {
    std::optional<std::string> header = zip_.Header(record);
    ok_ = ok_ && header.has_value();
    if (ok_) plan_.bytes += *header + std::string(data);
    return ok_;
}

std::optional<std::vector<PageFile>> PageFiles(std::string_view zip, std::string_view leaveOut) {
    std::optional<ZipSpan> directory = ZipDirectoryIn(zip, zip.size());
    if (!directory) return std::nullopt;
    auto items = ZipItems(zip.substr(directory->offset, directory->size));
    if (!items) return std::nullopt;
    std::vector<PageFile> files;
    for (const ZipItem& item : *items) {
        if (item.name == "imsmanifest.xml" ||
            (!leaveOut.empty() && item.name.starts_with(leaveOut))) {
            continue;
        }
        std::optional<ZipSpan> data =
            item.header < zip.size() ? ZipDataIn(zip.substr(item.header), item) : std::nullopt;
        if (!data || data->offset + data->size > zip.size()) return std::nullopt;
        files.push_back({{item.name, item.crc, item.size, item.packed, item.deflated},
                         zip.substr(data->offset, data->size)});
    }
    return files;
}
