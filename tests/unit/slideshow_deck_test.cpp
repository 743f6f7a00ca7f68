#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "deck_check.h"
#include "deck_link.h"
#include "fake_image_source.h"

// Reading deck files: what reads, and how each fault is told.

namespace {

const std::string kHeader = "picture,text,left,top,width,height\r\n";

struct ReadCase {
    const char* name;
    std::string text;
    std::vector<std::string> problems;
    std::vector<DeckSlide> slides;
};

std::vector<ReadCase> ReadCases() {
    return {
        {"quoted commas and quotes",
         kHeader + "a.jpg,\"Click \"\"OK\"\", then go on\",1,2,3,4\r\n",
         {},
         {{"a.jpg", "Click \"OK\", then go on", {1, 2, 3, 4}}}},
        {"line breaks of any kind in a text, blanks around numbers",
         kHeader + "a.png,\"one\r\ntwo\nthree\rfour\", 5 ,6,7,8\n",
         {},
         {{"a.png", "one\rtwo\rthree\rfour", {5, 6, 7, 8}}}},
        {"byte-order mark, blank lines and empty rows",
         "\xEF\xBB\xBF\r\n" + kHeader + "\r\n,,,,,\r\nb.jpg,,0,0,1,1",
         {},
         {{"b.jpg", "", {0, 0, 1, 1}}}},
        {"lines are counted across line breaks in texts",
         kHeader + "a.jpg,\"x\ny\",0,0,1,1\nb.jpg,t,0,0,0,1\n",
         {"deck.csv line 4: width must be a whole number greater than 0"},
         {{"a.jpg", "x\ry", {0, 0, 1, 1}}}},
        {"wrong column count",
         kHeader + "a.jpg,t,1,2,3\r\n",
         {"deck.csv line 2: expected 6 fields (picture, text, left, top, width, height), found 5"},
         {}},
        {"non-numbers, negative and zero",
         kHeader + "a.jpg,t,x,-1,0,1.5\r\n",
         {"deck.csv line 2: left must be a whole number of 0 or more",
          "deck.csv line 2: top must be a whole number of 0 or more",
          "deck.csv line 2: width must be a whole number greater than 0",
          "deck.csv line 2: height must be a whole number greater than 0"},
         {}},
        {"numbers beyond any picture",
         kHeader + "a.jpg,t,100001,99999999999999999999,1,1\r\n",
         {"deck.csv line 2: left must be at most 100000",
          "deck.csv line 2: top must be at most 100000"},
         {}},
        {"pictures outside the folder",
         kHeader +
             "../a.jpg,t,0,0,1,1\r\n/etc/a.jpg,t,0,0,1,1\r\nC:a.jpg,t,0,0,1,1\r\n,t,0,0,1,1\r\n",
         {"deck.csv line 2: picture must be a file name in the deck's folder",
          "deck.csv line 3: picture must be a file name in the deck's folder",
          "deck.csv line 4: picture must be a file name in the deck's folder",
          "deck.csv line 5: picture must be a file name in the deck's folder"},
         {}},
        {"broken quoting",
         kHeader + "a.jpg,\"t\"x,0,0,1,1\r\nb.jpg,\"never closed,0,0,1,1\r\n",
         {"deck.csv line 2: text after a closing quote",
          "deck.csv line 3: a quoted field is not closed"},
         {}},
        {"no header", "a.jpg,t,0,0,1,1\r\n", {"deck.csv line 1: the header row is missing"}, {}},
        {"no slides", kHeader, {}, {}},
        {"empty file", "", {}, {}},
    };
}

}  // namespace

TEST(DeckFile, ReadsRowsAndNamesEveryFaultWithItsLine) {
    for (const ReadCase& c : ReadCases()) {
        DeckReading reading = ReadDeck(c.text);
        EXPECT_EQ(reading.problems, c.problems) << c.name;
        EXPECT_EQ(reading.deck, c.slides) << c.name;
    }
}

TEST(DeckFile, TellsAtMostTenProblems) {
    std::string text = kHeader;
    for (int row = 0; row < 30; ++row) text += "a.jpg,t,0,0,0,0\r\n";
    DeckReading reading = ReadDeck(text);
    ASSERT_EQ(reading.problems.size(), 10u);
    EXPECT_EQ(reading.problems[9], "deck.csv line 6: height must be a whole number greater than 0");
}

TEST(DeckFile, TheBuiltInDeckWritesAndReadsBackWhole) {
    Deck deck = BuiltInDeck();
    DeckReading reading = ReadDeck(WriteDeck(deck));
    EXPECT_TRUE(reading.problems.empty());
    EXPECT_EQ(reading.deck, deck);
    EXPECT_EQ(ReadDeck(WriteDeck({{"a b.jpg", " lead, \"q\"\r\r", {1, 2, 3, 4}}})).deck,
              (Deck{{"a b.jpg", " lead, \"q\"\r\r", {1, 2, 3, 4}}}));
}

// Same texts, same accepted areas, edges excluded: the deck plays as the table.
TEST(DeckFile, TheBuiltInDeckHoldsTheBuiltInTable) {
    std::vector<Slide> slides = BuiltInSlides();
    ASSERT_EQ(slides.size(), static_cast<std::size_t>(kSlideCount));
    for (int i = 0; i < kSlideCount; ++i) {
        const BuiltInSlide& row = Slides()[i];
        EXPECT_EQ(slides[i].picture, "ScreenShot-" + std::to_string(i) + ".jpg");
        EXPECT_EQ(slides[i].SlideText, row.SlideText);
        EXPECT_EQ(slides[i].TargetX, row.TargetX);
        EXPECT_EQ(slides[i].TargetY, row.TargetY);
        EXPECT_EQ(slides[i].AreaWidth, 1440);
        EXPECT_EQ(slides[i].AreaHeight, 300);
        EXPECT_EQ(slides[i].zoom, 1);
    }
}

struct DeckPictures : ::testing::Test {
    FakeImageSource images;
    OpenedDeck Open(const std::string& rows) { return OpenDeck(kHeader + rows, "/deck", images); }
};

TEST_F(DeckPictures, EachMustBeThereWholeAndHoldItsTarget) {
    images.files = {"/deck/a.jpg", "/deck/small.png"};
    images.sizes["/deck/small.png"] = {100, 50};
    OpenedDeck opened = Open(
        "a.jpg,t,0,0,1,1\r\ngone.jpg,t,0,0,1,1\r\nsmall.png,t,90,40,10,10\r\n"
        "small.png,t,90,40,11,10\r\n");
    EXPECT_TRUE(opened.slides.empty());
    EXPECT_EQ(opened.problems,
              (std::vector<std::string>{
                  "deck.csv line 3: picture gone.jpg is missing or is not a whole JPEG or PNG "
                  "picture",
                  "deck.csv line 5: the target reaches beyond the picture (100 x 50 pixels)"}));
    EXPECT_EQ(Open("").problems, (std::vector<std::string>{"deck.csv: no slides"}));
    EXPECT_EQ(ProblemsText({"one", "two"}), "one\rtwo");
}

// The first ten in the file, whether a row or its picture is wrong.
TEST_F(DeckPictures, ProblemsOfRowsAndOfPicturesComeInLineOrder) {
    images.files = {"/deck/a.jpg"};
    std::string badRows;
    for (int i = 0; i < 10; ++i) badRows += "a.jpg,t,0,0,0,1\r\n";
    OpenedDeck opened = Open("gone.jpg,t,0,0,1,1\r\n" + badRows);
    ASSERT_EQ(opened.problems.size(), 10u);
    EXPECT_EQ(opened.problems[0],
              "deck.csv line 2: picture gone.jpg is missing or is not a whole JPEG or PNG picture");
    EXPECT_EQ(opened.problems[1], "deck.csv line 3: width must be a whole number greater than 0");
    EXPECT_EQ(opened.problems[9], "deck.csv line 11: width must be a whole number greater than 0");
}

TEST_F(DeckPictures, LargerPicturesShrinkToFitWithTheirTargets) {
    images.files = {"/deck/wide.jpg", "/deck/fits.jpg"};
    images.sizes["/deck/wide.jpg"] = {2478, 705};
    OpenedDeck opened = Open("wide.jpg,t,100,200,40,20\r\nfits.jpg,t,100,200,40,20\r\n");
    ASSERT_EQ(opened.slides.size(), 2u);
    const Slide& wide = opened.slides[0];
    EXPECT_EQ(wide.zoom, 0.5);
    EXPECT_EQ(wide.TargetX, 140 * 7.5);
    EXPECT_EQ(wide.TargetY, 220 * 7.5);
    EXPECT_EQ(wide.AreaWidth, 40 * 7.5);
    EXPECT_EQ(wide.AreaHeight, 20 * 7.5);
    EXPECT_EQ(opened.slides[1].zoom, 1);
    EXPECT_EQ(opened.slides[1].TargetX, 140 * 15);
}

TEST_F(DeckPictures, AThousandSlidesOpen) {
    std::string rows;
    for (int i = 0; i < 1000; ++i) {
        std::string name = "s" + std::to_string(i) + ".png";
        images.files.insert("/deck/" + name);
        rows += name + ",\"Slide " + std::to_string(i) + ",\nclick it\",10,10,50,20\r\n";
    }
    OpenedDeck opened = Open(rows);
    EXPECT_TRUE(opened.problems.empty());
    ASSERT_EQ(opened.slides.size(), 1000u);
    EXPECT_EQ(opened.slides[999].SlideText, "Slide 999,\rclick it");
}

TEST(DeckLink, NamesOnlyAFolderBesideThePage) {
    for (const char* name : {"mine", "Orvane ScreenShots", "..mine", "Décks"}) {
        EXPECT_FALSE(DeckLinkProblem(name)) << name;
    }
    for (const char* name : {"", ".", "..", "../x", "/abs", "a/b", "a\\b", "http://evil", "C:x",
                             "a?b", "a#b", "a\tb"}) {
        EXPECT_TRUE(DeckLinkProblem(name)) << name;
    }
    EXPECT_TRUE(DeckLinkProblem("/abs")->ends_with("\r/abs"));
}
