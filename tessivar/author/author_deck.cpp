#include "author_deck.h"

#include <algorithm>
#include <set>

#include "csv.h"
#include "picture_formats.h"

namespace {

bool Shows(const AuthorList& list, const std::string& picture) {
    return std::any_of(list.begin(), list.end(), [&](const AuthorEntry& entry) {
        return !IsUnreadRow(entry) && entry.picture == picture;
    });
}

std::string JoinedProblems(const std::vector<std::string>& problems) {
    std::string joined;
    for (const std::string& problem : problems) joined += (joined.empty() ? "" : "; ") + problem;
    return joined;
}

}  // namespace

AuthorList StartAuthoring(const DeckReading& reading, const std::vector<std::string>& pictures) {
    AuthorList list;
    for (const DeckRow& row : reading.rows) {
        if (row.slide) {
            list.push_back({row.slide->picture, row.slide->text, row.slide->target, row.fields});
        } else {
            list.push_back({.fields = row.fields,
                            .problem = JoinedProblems(row.problems),
                            .source = row.source});
        }
    }
    ListPictures(list, pictures);
    return list;
}

void ListPictures(AuthorList& list, const std::vector<std::string>& pictures) {
    std::erase_if(list, [&](const AuthorEntry& entry) {
        return !IsSlide(entry) && !IsUnreadRow(entry) &&
               std::find(pictures.begin(), pictures.end(), entry.picture) == pictures.end();
    });
    for (const std::string& picture : pictures) {
        if (!Shows(list, picture)) list.push_back({.picture = picture});
    }
}

Deck DeckOf(const AuthorList& list) {
    Deck deck;
    for (const AuthorEntry& entry : list) {
        if (IsSlide(entry)) deck.push_back({entry.picture, entry.text, *entry.target});
    }
    return deck;
}

std::size_t SlideOf(const AuthorList& list, std::size_t index) {
    std::size_t before = 0;
    for (std::size_t i = 0; i < index && i < list.size(); ++i) before += IsSlide(list[i]) ? 1 : 0;
    return before;
}

std::string AuthorDeckText(const std::vector<std::string>& columns, const AuthorList& list) {
    std::vector<std::string> writing = WritingColumns(columns);
    std::string text = HeaderLine(writing);
    for (const AuthorEntry& entry : list) {
        if (IsSlide(entry)) {
            text += SlideLine({entry.picture, entry.text, *entry.target}, writing, entry.fields);
        } else if (IsUnreadRow(entry)) {
            text += entry.source.empty() ? CsvLine(entry.fields) : entry.source + "\r\n";
        }
    }
    return text;
}

std::size_t MoveEntryTo(AuthorList& list, std::size_t from, std::size_t to) {
    if (from >= list.size()) return from;
    to = std::min(to, list.size() - 1);
    AuthorEntry moved = std::move(list[from]);
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(from));
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(to), std::move(moved));
    return to;
}

std::size_t MoveEntry(AuthorList& list, std::size_t index, int by) {
    if (by < 0) return MoveEntryTo(list, index, index == 0 ? 0 : index - 1);
    return MoveEntryTo(list, index, index + 1);
}

void RemoveEntry(AuthorList& list, std::size_t index) {
    if (index >= list.size()) return;
    AuthorEntry removed = std::move(list[index]);
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
    if (IsSlide(removed) && !Shows(list, removed.picture)) {
        list.push_back({.picture = removed.picture});
    }
}

void RestoreEntry(AuthorList& list, std::size_t index, const AuthorEntry& entry) {
    if (IsSlide(entry)) {
        std::erase_if(list, [&](const AuthorEntry& listed) {
            return !IsSlide(listed) && !IsUnreadRow(listed) && listed.picture == entry.picture;
        });
    }
    index = std::min(index, list.size());
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(index), entry);
}

std::vector<std::string> PicturesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    std::error_code error;
    for (const auto& file : std::filesystem::directory_iterator(folder, error)) {
        std::string name = file.path().filename().string();
        if (file.is_regular_file(error) && IsPictureName(name)) names.insert(name);
    }
    return {names.begin(), names.end()};
}
