#include "sheet_columns.h"

#include <algorithm>
#include <string>

namespace {

// What spreadsheets separate values with, the first the most common.
constexpr char kSeparators[] = {',', ';', '\t'};

}  // namespace

std::string_view WithoutBlanks(std::string_view text) {
    while (text.starts_with(' ') || text.starts_with('\t')) text.remove_prefix(1);
    while (text.ends_with(' ') || text.ends_with('\t')) text.remove_suffix(1);
    return text;
}

std::optional<std::size_t> ColumnNamed(std::string_view name,
                                       std::span<const std::string_view> names) {
    name = WithoutBlanks(name);
    for (std::size_t column = 0; column < names.size(); ++column) {
        std::string_view wanted = names[column];
        bool same =
            std::equal(name.begin(), name.end(), wanted.begin(), wanted.end(),
                       [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a + 32 : a) == b; });
        if (same) return column;
    }
    return std::nullopt;
}

char SeparatorOf(std::string_view text, std::span<const std::string_view> names) {
    char best = kSeparators[0];
    long most = 0;
    for (char separator : kSeparators) {
        const std::vector<std::string>& fields = FirstFilledRecord(text, separator).fields;
        long named = std::count_if(fields.begin(), fields.end(), [&](const std::string& field) {
            return ColumnNamed(field, names).has_value();
        });
        if (named <= most) continue;
        best = separator;
        most = named;
    }
    return best;
}
