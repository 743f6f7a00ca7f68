#include "resume_fields.h"

#include <charconv>

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

std::optional<std::int64_t> Count(std::string_view text, std::int64_t largest) {
    std::int64_t value = 0;
    if (text.empty() || text[0] < '0' || text[0] > '9') return std::nullopt;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > largest) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::vector<std::int64_t>> Counts(std::string_view text, std::size_t size,
                                                std::int64_t largest) {
    std::vector<std::string_view> items = Split(text, kResumeItem);
    if (items.size() != size) return std::nullopt;
    std::vector<std::int64_t> counts;
    for (std::string_view item : items) {
        std::optional<std::int64_t> count = Count(item, largest);
        if (!count) return std::nullopt;
        counts.push_back(*count);
    }
    return counts;
}
