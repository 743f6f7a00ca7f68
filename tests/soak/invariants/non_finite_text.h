#pragma once

#include <string_view>

// Whether a text shows a number the arithmetic lost: "NaN", "Infinity", "nan"
// or "inf" as a word of its own, so that "Info" and "infobox" do not count.
inline bool ShowsNonFinite(std::string_view text) {
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    for (std::string_view word : {"NaN", "Infinity", "nan", "inf"}) {
        for (std::size_t at = text.find(word); at != std::string_view::npos;
             at = text.find(word, at + 1)) {
            std::size_t end = at + word.size();
            bool alone =
                (at == 0 || !letter(text[at - 1])) && (end == text.size() || !letter(text[end]));
            if (alone) return true;
        }
    }
    return false;
}
