#include "deck_header.h"

#include "sheet_columns.h"

namespace {

std::string ColumnList() {
    std::string list;
    for (std::string_view name : kColumnNames)
        list += (list.empty() ? "" : ", ") + std::string(name);
    return list;
}

}  // namespace

std::optional<DeckColumn> ColumnNamed(std::string_view name) {
    std::optional<std::size_t> column = ColumnNamed(name, kColumnNames);
    if (!column) return std::nullopt;
    return static_cast<DeckColumn>(*column);
}

char SeparatorOf(std::string_view text) {
    return SeparatorOf(text, kColumnNames);
}

DeckHeader ReadHeader(const CsvRecord& record) {
    DeckHeader header;
    header.fields = record.fields.size();
    std::array<bool, kDeckColumns> found{};
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        std::optional<DeckColumn> column = ColumnNamed(record.fields[i]);
        if (!column) continue;
        header.present = true;
        if (found[*column]) {
            header.problems.push_back("the header row names the \"" +
                                      std::string(kColumnNames[*column]) + "\" column twice");
        }
        found[*column] = true;
        header.at[*column] = i;
    }
    if (!header.present) {
        header.problems.push_back(
            "the header row is missing: the first row must name the columns " + ColumnList());
        return header;
    }
    for (int column = 0; column < kDeckColumns; ++column) {
        if (found[column]) continue;
        header.problems.push_back("the header row has no \"" + std::string(kColumnNames[column]) +
                                  "\" column");
    }
    return header;
}
