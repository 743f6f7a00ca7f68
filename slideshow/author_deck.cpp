#include "author_deck.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace {

bool Shows(const AuthorList& list, const std::string& picture) {
    return std::any_of(list.begin(), list.end(),
                       [&](const AuthorEntry& entry) { return entry.picture == picture; });
}

bool IsPicture(std::string extension) {
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".jpg" || extension == ".jpeg" || extension == ".png";
}

}  // namespace

AuthorList StartAuthoring(const Deck& deck, const std::vector<std::string>& pictures) {
    AuthorList list;
    for (const DeckSlide& slide : deck) list.push_back({slide.picture, slide.text, slide.target});
    for (const std::string& picture : pictures) {
        if (!Shows(list, picture)) list.push_back({picture, "", std::nullopt});
    }
    return list;
}

Deck DeckOf(const AuthorList& list) {
    Deck deck;
    for (const AuthorEntry& entry : list) {
        if (entry.target) deck.push_back({entry.picture, entry.text, *entry.target});
    }
    return deck;
}

std::size_t SlideOf(const AuthorList& list, std::size_t index) {
    std::size_t before = 0;
    for (std::size_t i = 0; i < index && i < list.size(); ++i) before += list[i].target ? 1 : 0;
    return before;
}

std::size_t MoveEntry(AuthorList& list, std::size_t index, int by) {
    if (index >= list.size()) return index;
    std::size_t to = by < 0 ? (index == 0 ? 0 : index - 1) : std::min(index + 1, list.size() - 1);
    std::swap(list[index], list[to]);
    return to;
}

void RemoveEntry(AuthorList& list, std::size_t index) {
    if (index >= list.size()) return;
    AuthorEntry removed = std::move(list[index]);
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
    if (!Shows(list, removed.picture)) list.push_back({removed.picture, "", std::nullopt});
}

std::vector<std::string> PicturesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    std::error_code error;
    for (const auto& file : std::filesystem::directory_iterator(folder, error)) {
        if (file.is_regular_file(error) && IsPicture(file.path().extension().string())) {
            names.insert(file.path().filename().string());
        }
    }
    return {names.begin(), names.end()};
}
