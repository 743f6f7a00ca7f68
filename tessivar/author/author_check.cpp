#include "author_check.h"

OpenedDeck CheckAuthorList(const AuthorList& list, const std::filesystem::path& folder,
                           ImageSource& images, const CheckProgress& progress) {
    Deck deck = DeckOf(list);
    std::vector<std::string> places;
    for (std::size_t i = 0; i < deck.size(); ++i)
        places.push_back("slide " + std::to_string(i + 1));
    OpenedDeck opened;
    for (const AuthorEntry& entry : list) {
        if (IsUnreadRow(entry)) AddProblem(opened.problems, "a row not read", entry.problem);
    }
    if (deck.empty()) {
        opened.problems.push_back("The deck has no slides yet: drag a target on a picture.");
    }
    if (!opened.problems.empty()) return opened;
    return CheckDeck(deck, places, folder, images, progress);
}
