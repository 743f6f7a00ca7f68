#include <gtest/gtest.h>

#include "author_deck.h"

// The instructor's list: the deck file's rows first, moved and removed, and
// written back with what the window does not change kept as it was.

namespace {

const TargetRect kRect{1, 2, 3, 4};

std::vector<std::string> Pictures(const AuthorList& list) {
    std::vector<std::string> names;
    for (const AuthorEntry& entry : list) {
        names.push_back(IsUnreadRow(entry) ? "?" : entry.picture + (IsSlide(entry) ? "*" : ""));
    }
    return names;
}

}  // namespace

TEST(AuthorList, ListsTheDeckFirstThenUnusedPicturesAndMovesAndRemovesSlides) {
    Deck deck = {{"c.jpg", "C", kRect}, {"a.jpg", "A", kRect}, {"c.jpg", "C2", kRect}};
    AuthorList list = StartAuthoring(ReadDeck(WriteDeck(deck)), {"a.jpg", "b.png", "c.jpg"});
    EXPECT_EQ(Pictures(list), (std::vector<std::string>{"c.jpg*", "a.jpg*", "c.jpg*", "b.png"}));
    EXPECT_EQ(DeckOf(list), deck);
    EXPECT_EQ(SlideOf(list, 3), 3u);

    EXPECT_EQ(MoveEntry(list, 0, -1), 0u);
    EXPECT_EQ(MoveEntry(list, 3, +1), 3u);
    EXPECT_EQ(MoveEntry(list, 3, -1), 2u);
    EXPECT_EQ(Pictures(list), (std::vector<std::string>{"c.jpg*", "a.jpg*", "b.png", "c.jpg*"}));
    EXPECT_EQ(SlideOf(list, 3), 2u);
    EXPECT_EQ(MoveEntryTo(list, 3, 0), 0u);  // a drag to the top
    EXPECT_EQ(Pictures(list), (std::vector<std::string>{"c.jpg*", "c.jpg*", "a.jpg*", "b.png"}));

    RemoveEntry(list, 0);  // c.jpg is still shown by another slide
    RemoveEntry(list, 1);  // a.jpg stays listed, out of the deck
    EXPECT_EQ(Pictures(list), (std::vector<std::string>{"c.jpg*", "b.png", "a.jpg"}));
    EXPECT_EQ(DeckOf(list), (Deck{{"c.jpg", "C", kRect}}));

    ListPictures(list, {"c.jpg", "d.gif"});  // b.png and a.jpg gone, d.gif new
    EXPECT_EQ(Pictures(list), (std::vector<std::string>{"c.jpg*", "d.gif"}));
}

TEST(AuthorList, RowsThatDoNotReadAndOtherColumnsAreWrittenBackAsTheyWere) {
    const std::string file =
        "picture;notes;text;left;top;width;height\r\n"
        "a.jpg;mine;A;1;2;3;4\r\n"
        "b.jpg;;\"Keep me, please\";0;0;0;10\r\n"
        "c.jpg;;\"never\" closed;1;1;1;1\r\n";
    AuthorList list = StartAuthoring(ReadDeck(file), {"a.jpg"});
    ASSERT_EQ(Pictures(list), (std::vector<std::string>{"a.jpg*", "?", "?"}));
    EXPECT_EQ(list[1].problem, "width must be a whole number greater than 0");
    list[0].target = TargetRect{5, 6, 7, 8};

    std::vector<std::string> columns = ReadDeck(file).columns;
    const std::string header = "\xEF\xBB\xBFpicture,notes,text,left,top,width,height\r\n";
    const std::string first = "a.jpg,mine,A,5,6,7,8\r\n",
                      broken = "c.jpg;;\"never\" closed;1;1;1;1\r\n";
    EXPECT_EQ(AuthorDeckText(columns, list),
              header + first + "b.jpg,,\"Keep me, please\",0,0,0,10\r\n" + broken);
    RemoveEntry(list, 1);
    EXPECT_EQ(AuthorDeckText(columns, list), header + first + broken);
    // A file without a header row gets the deck's columns.
    EXPECT_EQ(AuthorDeckText({}, {}), "\xEF\xBB\xBFpicture,text,left,top,width,height\r\n");
}
