#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "deck_check.h"
#include "deck_link.h"
#include "fake_image_source.h"
#include "sheet_text.h"

// Reading deck files: what reads, and how each fault is told.

namespace {

const std::string kHeader = "picture,text,left,top,width,height\r\n";

struct ReadCase {
    const char* name;
    std::string text;
    std::vector<std::string> problems;
    std::vector<DeckSlide> slides;
};

// The bytes of a file that a spreadsheet saves as "Unicode text".
std::string Utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t c : text) {
        char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

std::vector<ReadCase> ReadCases() {
    const DeckSlide plain{"a.jpg", "t", {1, 2, 3, 4}};
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
        {"too few fields, and text beyond the header's columns",
         kHeader + "a.jpg,t,1,2,3\r\na.jpg,t,1,2,3,4,,x\r\na.jpg,t,1,2,3,4,,\r\n",
         {"deck.csv line 2: found 5 fields where the header row names 6",
          "deck.csv line 3: found 8 fields where the header row names 6"},
         {plain}},
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
        {"pictures outside the folder or in no picture format",
         kHeader +
             "../a.jpg,t,0,0,1,1\r\n/etc/a.jpg,t,0,0,1,1\r\nC:a.jpg,t,0,0,1,1\r\n,t,0,0,1,1\r\n"
             "a.tif,t,0,0,1,1\r\n",
         {"deck.csv line 2: picture \"../a.jpg\" must be a file name in the deck's folder",
          "deck.csv line 3: picture \"/etc/a.jpg\" must be a file name in the deck's folder",
          "deck.csv line 4: picture \"C:a.jpg\" must be a file name in the deck's folder",
          "deck.csv line 5: picture \"\" must be a file name in the deck's folder",
          "deck.csv line 6: picture \"a.tif\" must be a JPEG, PNG, GIF, BMP or WebP picture, "
          "named as one"},
         {}},
        {"broken quoting",
         kHeader + "a.jpg,\"t\"x,0,0,1,1\r\nb.jpg,\"never closed,0,0,1,1\r\n",
         {"deck.csv line 2: text after a closing quote",
          "deck.csv line 3: a quoted field is not closed"},
         {}},
        {"columns by their names, in any order, case and blanks aside, others left alone",
         "TEXT, Picture ,top,Left,notes,HEIGHT,width\r\nt,a.jpg,2,1,mine,4,3\r\n",
         {},
         {plain}},
        {"a column missing or named twice",
         "picture,text,left,top,width,left\r\na.jpg,t,1,2,3,4\r\n",
         {"deck.csv line 1: the header row names the \"left\" column twice",
          "deck.csv line 1: the header row has no \"height\" column"},
         {}},
        {"no header",
         "a.jpg,t,0,0,1,1\r\n",
         {"deck.csv line 1: the header row is missing: the first row must name the columns "
          "picture, text, left, top, width, height"},
         {}},
        {"semicolons, as spreadsheets in many locales write",
         "picture;text;left;top;width;height\r\n\"a.jpg\";\"one; two, three\";1;2;3;4\r\n",
         {},
         {{"a.jpg", "one; two, three", {1, 2, 3, 4}}}},
        {"tabs", "picture\ttext\tleft\ttop\twidth\theight\na.jpg\tt\t1\t2\t3\t4\n", {}, {plain}},
        {"UTF-16, little-endian and tab separated",
         Utf16(u"picture\ttext\tleft\ttop\twidth\theight\r\n\u00e9.jpg\tcaf\u00e9 \u753b\u9762 "
               u"\U0001F600\t1\t2\t3\t4\r\n",
               false),
         {},
         {{"\xC3\xA9.jpg", "caf\xC3\xA9 \xE7\x94\xBB\xE9\x9D\xA2 \xF0\x9F\x98\x80", {1, 2, 3, 4}}}},
        {"UTF-16, big-endian",
         Utf16(u"picture,text,left,top,width,height\na.jpg,t,1,2,3,4", true),
         {},
         {plain}},
        {"Windows-1252 text, named by its line",
         kHeader + "a.jpg,t,1,2,3,4\r\nb.jpg,caf\xE9,1,2,3,4\r\n",
         {"deck.csv line 3: " + NotUtf8Problem()},
         {}},
        {"an overlong form, which is no UTF-8",
         kHeader + "a.jpg,\xC0\xAF,1,2,3,4\r\n",
         {"deck.csv line 2: " + NotUtf8Problem()},
         {}},
        {"a lone surrogate",
         Utf16(u"picture\r\n\xD800", false),
         {"deck.csv line 2: " + NotUtf8Problem()},
         {}},
        {"UTF-16 cut off in the middle of a character",
         Utf16(u"picture\r\nab", false) + "c",
         {"deck.csv line 2: " + NotUtf8Problem()},
         {}},
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
    images.files = {"/deck/a.jpg", "/deck/small.png", "/deck/01 Start.png"};
    images.damaged = {"/deck/cut.gif"};
    images.sizes["/deck/small.png"] = {100, 50};
    OpenedDeck opened = Open(
        "a.jpg,t,0,0,1,1\r\ngone.jpg,t,0,0,1,1\r\nsmall.png,t,90,40,10,10\r\n"
        "small.png,t,90,40,11,10\r\ncut.gif,t,0,0,1,1\r\n01 Start.png ,t,0,0,1,1\r\n");
    EXPECT_TRUE(opened.slides.empty());
    EXPECT_EQ(opened.problems,
              (std::vector<std::string>{
                  "deck.csv line 3: picture \"gone.jpg\" is missing",
                  "deck.csv line 5: the target reaches beyond the picture (100 x 50 pixels)",
                  "deck.csv line 6: picture \"cut.gif\" is damaged or is not a whole JPEG, PNG, "
                  "GIF, BMP or WebP picture",
                  "deck.csv line 7: picture \"01 Start.png \" is missing (there is a picture "
                  "\"01 Start.png\", without the blanks)"}));
    EXPECT_EQ(Open("").problems, (std::vector<std::string>{"deck.csv: no slides"}));
    EXPECT_EQ(ProblemsText({"one", "two"}), "one\rtwo");
}

// The instruction box covers window pixels 944-1201 x 448-633, the clue level
// and the score labels 944-1057 and 1088-1201 x 648-665.
TEST_F(DeckPictures, TargetsUnderTheTextsOverThePictureAreRefused) {
    images.files = {"/deck/a.png", "/deck/big.png"};
    images.sizes["/deck/big.png"] = {2478, 1410};  // shown at half its size
    const std::string under = "deck.csv line 2: the target lies under ";
    const std::string rest = ", which takes the clicks there: students cannot click it";
    const std::pair<const char*, std::string> cases[] = {
        {"a.png,t,1000,500,50,20", under + "the instruction box" + rest},
        {"a.png,t,900,500,45,20", under + "the instruction box" + rest},
        {"a.png,t,900,500,44,20", ""},  // ends where the box begins
        {"a.png,t,1000,640,20,10", under + "the clue level label" + rest},
        {"a.png,t,1100,655,20,20", under + "the score label" + rest},
        {"a.png,t,1060,640,28,25", ""},  // between the two labels
        {"big.png,t,2000,1000,80,40", under + "the instruction box" + rest},
        {"big.png,t,1000,500,80,40", ""},
    };
    for (const auto& [row, problem] : cases) {
        OpenedDeck opened = Open(std::string(row) + "\r\n");
        EXPECT_EQ(opened.problems,
                  problem.empty() ? std::vector<std::string>{} : std::vector<std::string>{problem})
            << row;
    }
}

// The first ten in the file, whether a row or its picture is wrong.
TEST_F(DeckPictures, ProblemsOfRowsAndOfPicturesComeInLineOrder) {
    images.files = {"/deck/a.jpg"};
    std::string badRows;
    for (int i = 0; i < 10; ++i) badRows += "a.jpg,t,0,0,0,1\r\n";
    OpenedDeck opened = Open("gone.jpg,t,0,0,1,1\r\n" + badRows);
    ASSERT_EQ(opened.problems.size(), 10u);
    EXPECT_EQ(opened.problems[0], "deck.csv line 2: picture \"gone.jpg\" is missing");
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

TEST_F(DeckPictures, AThousandSlidesOverTenPicturesCheckEachPictureOnce) {
    std::string rows;
    for (int i = 0; i < 1000; ++i) {
        std::string name = "s" + std::to_string(i % 10) + ".png";
        images.files.insert("/deck/" + name);
        rows += name + ",\"Slide " + std::to_string(i) + ",\nclick it\",10,10,50,20\r\n";
    }
    std::vector<std::pair<std::size_t, std::size_t>> progress;
    OpenedDeck opened =
        OpenDeck(kHeader + rows, "/deck", images,
                 [&](std::size_t done, std::size_t total) { progress.emplace_back(done, total); });
    EXPECT_TRUE(opened.problems.empty());
    ASSERT_EQ(opened.slides.size(), 1000u);
    EXPECT_EQ(opened.slides[999].SlideText, "Slide 999,\rclick it");
    EXPECT_EQ(images.requested.size(), 10u);
    ASSERT_EQ(progress.size(), 12u);  // before, each picture, and at the end
    EXPECT_EQ(progress.front(), (std::pair<std::size_t, std::size_t>(0, 10)));
    EXPECT_EQ(progress[10], (std::pair<std::size_t, std::size_t>(10, 10)));
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
