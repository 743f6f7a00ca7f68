#include <gtest/gtest.h>

#include "author_deck.h"

// The instructor's list of pictures: the deck's slides first, moved and removed.

namespace {

const TargetRect kRect{1, 2, 3, 4};

std::vector<std::string> Pictures(const AuthorList& list) {
    std::vector<std::string> names;
    for (const AuthorEntry& entry : list)
        names.push_back(entry.picture + (entry.target ? "*" : ""));
    return names;
}

}  // namespace

TEST(AuthorList, ListsTheDeckFirstThenUnusedPicturesAndMovesAndRemovesSlides) {
    Deck deck = {{"c.jpg", "C", kRect}, {"a.jpg", "A", kRect}, {"c.jpg", "C2", kRect}};
    AuthorList list = StartAuthoring(deck, {"a.jpg", "b.png", "c.jpg"});
    EXPECT_EQ(Pictures(list), (std::vector<std::string>{"c.jpg*", "a.jpg*", "c.jpg*", "b.png"}));
    EXPECT_EQ(DeckOf(list), deck);
    EXPECT_EQ(SlideOf(list, 3), 3u);

    EXPECT_EQ(MoveEntry(list, 0, -1), 0u);
    EXPECT_EQ(MoveEntry(list, 3, +1), 3u);
    EXPECT_EQ(MoveEntry(list, 3, -1), 2u);
    EXPECT_EQ(Pictures(list), (std::vector<std::string>{"c.jpg*", "a.jpg*", "b.png", "c.jpg*"}));
    EXPECT_EQ(SlideOf(list, 3), 2u);

    RemoveEntry(list, 0);  // c.jpg is still shown by another slide
    RemoveEntry(list, 0);  // a.jpg stays listed, out of the deck
    EXPECT_EQ(Pictures(list), (std::vector<std::string>{"b.png", "c.jpg*", "a.jpg"}));
    EXPECT_EQ(DeckOf(list), (Deck{{"c.jpg", "C2", kRect}}));
}
