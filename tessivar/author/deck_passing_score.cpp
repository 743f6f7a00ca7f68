#include "deck_passing_score.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace {

bool IsScoreColumn(std::string_view name) {
    return ColumnNamed(name, std::span(&kPassingScoreColumn, 1)).has_value();
}

std::optional<std::size_t> ScoreColumnIn(const std::vector<std::string>& columns) {
    auto column = std::find_if(columns.begin(), columns.end(),
                               [](const std::string& name) { return IsScoreColumn(name); });
    if (column == columns.end()) return std::nullopt;
    return static_cast<std::size_t>(column - columns.begin());
}

std::optional<int> ScoreIn(std::string_view field) {
    field = WithoutBlanks(field);
    int score = -1;
    auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), score);
    if (error != std::errc() || end != field.data() + field.size() || !IsPassingScore(score)) {
        return std::nullopt;
    }
    return score;
}

}  // namespace

bool IsPassingScore(int score) {
    return score >= 0 && score <= 100;
}

int PassingScoreIn(const DeckReading& reading) {
    std::optional<std::size_t> column = ScoreColumnIn(reading.columns);
    if (!column) return kDefaultPassingScore;
    for (const DeckRow& row : reading.rows) {
        if (!row.slide || *column >= row.fields.size()) continue;
        if (std::optional<int> score = ScoreIn(row.fields[*column])) return *score;
    }
    return kDefaultPassingScore;
}

std::string ScoredDeckText(const std::vector<std::string>& columns, const AuthorList& list,
                           int score) {
    std::vector<std::string> writing = WritingColumns(columns);
    std::optional<std::size_t> column = ScoreColumnIn(writing);
    if (!column) {
        column = writing.size();
        writing.emplace_back(kPassingScoreColumn);
    }
    AuthorList scored = list;
    for (AuthorEntry& entry : scored) {
        if (!IsSlide(entry)) continue;
        entry.fields.resize(std::max(entry.fields.size(), writing.size()));
        entry.fields[*column] = std::to_string(score);
    }
    return AuthorDeckText(writing, scored);
}
