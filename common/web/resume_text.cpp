#include "resume_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// Fields: tag, deck key, slide, penalty, wrong clicks, tenths of seconds.
constexpr char kTag[] = "T1";
constexpr char kField = ';';
constexpr char kItem = ',';
// Far more than any show reaches; also keeps every sum of them exact.
constexpr std::int64_t kLargest = 1'000'000'000'000;

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string_view::npos;
         start = end + 1) {
        parts.push_back(text.substr(start, end - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

// Plain digits only: no sign, blank or anything after them.
std::optional<std::int64_t> Count(std::string_view text) {
    std::int64_t value = 0;
    if (text.empty() || text[0] < '0' || text[0] > '9') return std::nullopt;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > kLargest) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::vector<std::int64_t>> Counts(std::string_view text, std::size_t size) {
    std::vector<std::string_view> items = Split(text, kItem);
    if (items.size() != size) return std::nullopt;
    std::vector<std::int64_t> counts;
    for (std::string_view item : items) {
        std::optional<std::int64_t> count = Count(item);
        if (!count) return std::nullopt;
        counts.push_back(*count);
    }
    return counts;
}

template <class Number>
void Join(std::string& text, const std::vector<Number>& values, double scale) {
    text += kField;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) text += kItem;
        text += std::to_string(std::llround(static_cast<double>(values[i]) * scale));
    }
}

}  // namespace

std::string ResumeText(const ShowPosition& position, std::string_view deckKey) {
    std::string text = kTag;
    text += kField;
    text += deckKey;
    text += kField + std::to_string(position.slide) + kField + std::to_string(position.penalty);
    Join(text, position.wrongClicks, 1);
    Join(text, position.seconds, 10);
    return text;
}

std::optional<ShowPosition> ReadResume(std::string_view text, std::string_view deckKey,
                                       std::size_t slideCount) {
    std::vector<std::string_view> fields = Split(text, kField);
    if (fields.size() != 6 || fields[0] != kTag || fields[1] != deckKey) return std::nullopt;
    std::optional<std::int64_t> slide = Count(fields[2]);
    std::optional<std::int64_t> penalty = Count(fields[3]);
    auto wrong = Counts(fields[4], slideCount);
    auto tenths = Counts(fields[5], slideCount);
    if (!slide || *slide >= static_cast<std::int64_t>(slideCount) || !penalty || !wrong ||
        !tenths) {
        return std::nullopt;
    }
    ShowPosition position{static_cast<int>(*slide), *penalty, std::move(*wrong), {}};
    for (std::int64_t tenth : *tenths) position.seconds.push_back(static_cast<double>(tenth) / 10);
    return position;
}
