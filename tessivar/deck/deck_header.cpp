#include "deck_header.h"

#include <algorithm>

namespace {

// What spreadsheets separate values with, the first the most common.
constexpr char kSeparators[] = {',', ';', '\t'};

int NamedColumns(const CsvRecord& record) {
    return static_cast<int>(std::count_if(record.fields.begin(), record.fields.end(),
                                          [](const std::string& f) { return ColumnNamed(f); }));
}

std::string ColumnList() {
    std::string list;
    for (std::string_view name : kColumnNames)
        list += (list.empty() ? "" : ", ") + std::string(name);
    return list;
}

}  // namespace

std::optional<DeckColumn> ColumnNamed(std::string_view name) {
    name = WithoutBlanks(name);
    for (int column = 0; column < kDeckColumns; ++column) {
        std::string_view wanted = kColumnNames[column];
        bool same =
            std::equal(name.begin(), name.end(), wanted.begin(), wanted.end(),
                       [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a + 32 : a) == b; });
        if (same) return static_cast<DeckColumn>(column);
    }
    return std::nullopt;
}

char SeparatorOf(std::string_view text) {
    char best = kSeparators[0];
    int most = 0;
    for (char separator : kSeparators) {
        int named = NamedColumns(FirstFilledRecord(text, separator));
        if (named <= most) continue;
        best = separator;
        most = named;
    }
    return best;
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
