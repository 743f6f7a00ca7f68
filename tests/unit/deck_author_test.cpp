#include <gtest/gtest.h>

#include <map>

#include "deck_export.h"
#include "deck_zip.h"
#include "zip_archive.h"

// The author page's files: what each chosen file becomes, the deck in a
// chosen zip, and the zips written only for decks that the show plays.

namespace {

std::string BigEndian(std::uint32_t value) {
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
            static_cast<char>(value >> 8), static_cast<char>(value)};
}

std::string Chunk(const std::string& type, const std::string& data) {
    return BigEndian(static_cast<std::uint32_t>(data.size())) + type + data +
           BigEndian(Crc32(type + data));
}

// A PNG as encoders write it, chunk by chunk, of the size its header declares.
std::string Png(std::uint32_t width, std::uint32_t height) {
    std::string header = BigEndian(width) + BigEndian(height) + std::string("\x08\x02\0\0\0", 5);
    return "\x89PNG\r\n\x1A\n" + Chunk("IHDR", header) + Chunk("IDAT", "pixels") +
           Chunk("IEND", "");
}

const std::string kPng = Png(40, 30);

// What the page does: the plan's bytes with each picture's file between them.
std::string Assembled(const ArchivePlan& plan, const std::map<std::string, std::string>& files) {
    std::string out;
    std::size_t at = 0;
    for (const auto& [end, picture] : plan.pictures) {
        out += plan.bytes.substr(at, end - at) + files.at(picture);
        at = end;
    }
    return out + plan.bytes.substr(at);
}

std::map<std::string, std::string> Unzipped(const std::string& zip) {
    ZipSpan directory = ZipDirectoryIn(zip, zip.size()).value();
    std::map<std::string, std::string> files;
    std::vector<ZipItem> items = ZipItems(zip.substr(directory.offset, directory.size)).value();
    for (const ZipItem& item : items) {
        ZipSpan data = ZipDataIn(zip.substr(item.header, kZipLocalBytes), item).value();
        files[item.name] = zip.substr(data.offset, data.size);
        EXPECT_EQ(item.deflated || Crc32(files[item.name]) == item.crc, true) << item.name;
    }
    return files;
}

ZipItem Item(std::string name, bool readable = true) {
    return {.name = name, .readable = readable, .folder = name.ends_with('/')};
}

}  // namespace

TEST(ChosenPictures, EachFileThatCannotBeAPictureOfTheDeckIsToldByName) {
    const std::pair<const char*, const char*> leftOut[] = {
        {"notes.txt", "\"notes.txt\" is not a JPEG, PNG, GIF, BMP or WebP picture: it is left out"},
        {"Deck.CSV",
         "\"Deck.CSV\" is not a JPEG, PNG, GIF, BMP or WebP picture; a deck's file "
         "is named deck.csv: it is left out"},
        {"12:30.png",
         "\"12:30.png\" is not a plain file name (no / \\ : or control characters): "
         "rename it; it is left out"},
    };
    for (const auto& [name, message] : leftOut) {
        Admission admitted = ChosenPictures::KindOf(name);
        EXPECT_EQ(admitted.kind, ChosenKind::kLeftOut) << name;
        EXPECT_EQ(admitted.message, message);
    }
    EXPECT_EQ(ChosenPictures::KindOf("deck.csv").kind, ChosenKind::kDeckFile);
    EXPECT_EQ(ChosenPictures::KindOf("Deck 2.ZIP").kind, ChosenKind::kZip);

    ChosenPictures pictures;
    EXPECT_EQ(pictures.Admit("a.png").message, "");
    EXPECT_FALSE(pictures.Take("a.png", kPng));
    EXPECT_FALSE(pictures.Decoded("a.png", PictureSize{40, 30}));
    Admission twin = pictures.Admit("A.PNG");
    EXPECT_EQ(twin.kind, ChosenKind::kLeftOut);
    EXPECT_EQ(twin.message,
              "two pictures are named \"A.PNG\" (Windows and macOS take names that "
              "differ only in case for one): the second is left out");
    pictures.NewChoice();
    EXPECT_EQ(pictures.Admit("A.png").kind, ChosenKind::kLeftOut);
    EXPECT_EQ(pictures.Admit("a.png").message,
              "\"a.png\" was chosen before: the picture chosen now replaces it");

    const std::string damaged =
        "picture \"b.png\" is damaged or is not a whole JPEG, PNG, GIF, "
        "BMP or WebP picture";
    EXPECT_EQ(pictures.Take("b.png", kPng.substr(0, 20)), damaged) << "cut short";
    std::string badCrc = kPng;
    badCrc[kPng.find("IDAT") + 10] ^= 1;
    EXPECT_EQ(pictures.Take("b.png", badCrc), damaged) << "a chunk that fails its CRC";
    EXPECT_EQ(pictures.Take("b.png", kPng, Crc32(kPng) + 1), damaged) << "not as its zip lists";
    EXPECT_FALSE(pictures.Take("b.png", kPng));
    EXPECT_EQ(pictures.Decoded("b.png", std::nullopt), damaged)
        << "the browser could not decode it";
    EXPECT_EQ(pictures.Names(), std::vector<std::string>{"a.png"});
    EXPECT_TRUE(pictures.Exists("b.png") && !pictures.CanLoad("b.png") &&
                !pictures.Exists("c.png"));
    EXPECT_EQ(pictures.Size("a.png")->width, 40);
}

// Limits that no deck meets, checked before a file is read or a picture decoded.
TEST(ChosenPictures, FilesAndPicturesBeyondTheLimitsAreToldBeforeTheyAreRead) {
    EXPECT_EQ(ChosenPictures::TooLarge("big.png", std::uint64_t{1} << 30),
              "\"big.png\" is 1024 MiB, more than the 64 MiB a picture file may have: it is left "
              "out");
    EXPECT_FALSE(ChosenPictures::TooLarge("big.png", kLargestPictureFile));
    EXPECT_EQ(ChosenPictures::TooLarge("deck.csv", 300 << 20),
              "\"deck.csv\" is 300 MiB, more than the 4 MiB a deck file may have: it is not read, "
              "and the deck starts with no slides");
    EXPECT_FALSE(ChosenPictures::TooLarge("deck.zip", std::uint64_t{1} << 30)) << "read in parts";

    ChosenPictures pictures;
    EXPECT_EQ(pictures.Take("huge.png", Png(30000, 30000)),
              "\"huge.png\" is 30000 x 30000 pixels, more than a picture may have (16384 pixels "
              "on a side, 50 million in all): it is left out");
    EXPECT_TRUE(pictures.Take("wide.png", Png(16385, 10)));
    EXPECT_TRUE(pictures.Take("square.png", Png(8000, 7000)));
    EXPECT_FALSE(pictures.Take("8k.png", Png(7680, 4320)));
}

TEST(DeckInZip, TakesTheFilesAtTheRootOrInItsOneFolderAndRefusesNamesThatLeadOut) {
    ZippedDeck root = DeckInZip({Item("deck.csv"), Item("a.png"), Item("old/b.png")}, "Lab 1.zip");
    EXPECT_EQ(root.name, "Lab 1");
    EXPECT_EQ(root.names, (std::vector<std::string>{"deck.csv", "a.png"}));

    ZippedDeck folder = DeckInZip({Item("Lab 2/"), Item("Lab 2/deck.csv"), Item("Lab 2/x/c.png"),
                                   Item("Lab 2/a.png", false), Item("__MACOSX/Lab 2/._a.png")},
                                  "Archive.zip");
    EXPECT_EQ(folder.name, "Lab 2");
    EXPECT_EQ(folder.names, std::vector<std::string>{"deck.csv"});
    EXPECT_EQ(folder.files, std::vector<std::size_t>{1});
    EXPECT_EQ(folder.problems, std::vector<std::string>{
                                   "\"a.png\" cannot be unpacked (it is encrypted, or packed in a "
                                   "way that browsers do not unpack): it is left out"});

    for (const char* name : {"../a.png", "/etc/a.png", "deck/../../a.png", "a\\b.png", "C:a.png"}) {
        ZippedDeck refused = DeckInZip({Item("deck.csv"), Item(name)}, "x.zip");
        EXPECT_TRUE(refused.refused && refused.files.empty()) << name;
        EXPECT_EQ(refused.problems,
                  std::vector<std::string>{"the zip \"x.zip\" holds \"" + std::string(name) +
                                           "\", a name that leads out of the folder it is unpacked "
                                           "in: it is not opened"});
    }
}

// A deck in the page: three pictures chosen, two of them on slides.
struct PageDeck {
    PageDeck() {
        for (const char* name : {"a.png", "b.png", "unused.png"}) {
            pictures.Admit(name);
            pictures.Take(name, kPng);
            pictures.Decoded(name, PictureSize{800, 600});
        }
    }
    DeckExport Export(DeckExportKind kind, const std::string& name = "Lab 1") {
        return ExportDeck({name, list, {}, pictures, unreadable, mastery}, kind, built);
    }

    ChosenPictures pictures;
    AuthorList list = {{"a.png", "Click A", TargetRect{10, 10, 50, 20}},
                       {"b.png", "Click B", TargetRect{100, 50, 50, 20}},
                       {"a.png", "A again", TargetRect{20, 200, 50, 20}},
                       {.picture = "unused.png"}};
    std::string unreadable;
    int mastery = 75;
    std::string built = ZipArchive({{"imsmanifest.xml", "<old/>"},
                                    {"tessivar.html", "page"},
                                    {"fonts/s.ttf", "font"},
                                    {"Orvane ScreenShots/deck.csv", "old deck"},
                                    {"Orvane ScreenShots/ScreenShot-0.jpg", "old"}})
                            .value();
    const std::map<std::string, std::string> files = {
        {"a.png", kPng}, {"b.png", kPng}, {"unused.png", kPng}};
};

TEST(DeckExports, TheFolderZipHoldsTheDeckFileAndEveryPictureChosen) {
    PageDeck deck;
    DeckExport folder = deck.Export(DeckExportKind::kFolder);
    ASSERT_EQ(folder.problems, std::vector<std::string>{});
    EXPECT_EQ(folder.fileName, "Lab 1.zip");
    std::map<std::string, std::string> unzipped = Unzipped(Assembled(folder.archive, deck.files));
    EXPECT_EQ(unzipped.size(), 4u);
    EXPECT_EQ(unzipped.at("Lab 1/unused.png"), kPng);
    EXPECT_EQ(unzipped.at("Lab 1/deck.csv"),
              "\xEF\xBB\xBFpicture,text,left,top,width,height,passing score\r\n"
              "a.png,Click A,10,10,50,20,75\r\n"
              "b.png,Click B,100,50,50,20,75\r\n"
              "a.png,A again,20,200,50,20,75\r\n");
}

// The passing score set in the page comes back with the deck, which the show
// still plays as before; a deck that keeps none gets the usual score.
TEST(DeckExports, TheDeckKeepsItsPassingScore) {
    PageDeck deck;
    deck.mastery = 70;
    DeckExport folder = deck.Export(DeckExportKind::kFolder);
    DeckReading again =
        ReadDeck(Unzipped(Assembled(folder.archive, deck.files)).at("Lab 1/deck.csv"));
    EXPECT_EQ(PassingScoreIn(again), 70);
    EXPECT_EQ(again.problems, std::vector<std::string>{});
    EXPECT_EQ(again.deck, DeckOf(deck.list));

    const std::pair<const char*, int> kept[] = {
        {"picture,text,left,top,width,height\r\na.png,A,1,1,5,5\r\n", kDefaultPassingScore},
        {"Picture;Passing Score ;Text;Left;Top;Width;Height\r\na.png; 0 ;A;1;1;5;5\r\n", 0},
        {"picture,text,left,top,width,height,passing score\r\n"
         "a.png,A,1,1,5,5,\r\nb.png,B,1,1,5,5,65\r\n",
         65},
        {"picture,text,left,top,width,height,passing score\r\na.png,A,1,1,5,5,101\r\n",
         kDefaultPassingScore},
    };
    for (const auto& [text, score] : kept) EXPECT_EQ(PassingScoreIn(ReadDeck(text)), score) << text;

    AuthorList list = deck.list;
    std::vector<std::string> columns = ReadDeck(ScoredDeckText({}, list, 90)).columns;
    EXPECT_EQ(PassingScoreIn(ReadDeck(ScoredDeckText(columns, list, 55))), 55);
    EXPECT_EQ(ReadDeck(ScoredDeckText(columns, list, 55)).columns.size(), 7u);
}

TEST(DeckExports, APackagePlaysItsDeckOnTessivarsPageWithNothingElse) {
    PageDeck deck;
    for (auto [kind, file] : {std::pair{DeckExportKind::kScorm12, "Lab 1-scorm12.zip"},
                              std::pair{DeckExportKind::kScorm2004, "Lab 1-scorm2004.zip"}}) {
        DeckExport package = deck.Export(kind);
        ASSERT_EQ(package.problems, std::vector<std::string>{});
        EXPECT_EQ(package.fileName, file);
        std::map<std::string, std::string> unzipped =
            Unzipped(Assembled(package.archive, deck.files));
        std::vector<std::string> names;
        for (const auto& [name, data] : unzipped) names.push_back(name);
        EXPECT_EQ(names,
                  (std::vector<std::string>{"Lab 1/a.png", "Lab 1/b.png", "Lab 1/deck.csv",
                                            "fonts/s.ttf", "imsmanifest.xml", "tessivar.html"}));
        const std::string& manifest = unzipped.at("imsmanifest.xml");
        EXPECT_NE(manifest.find("href=\"tessivar.html?deck=Lab%201\""), std::string::npos);
        EXPECT_NE(manifest.find("<file href=\"Lab%201/b.png\"/>"), std::string::npos);
        EXPECT_NE(manifest.find(kind == DeckExportKind::kScorm12 ? ">75<" : ">0.75<"),
                  std::string::npos);
        EXPECT_EQ(unzipped.at("tessivar.html"), "page");
    }
}

// Nothing leaves the page that the show would refuse to play.
TEST(DeckExports, ADeckThatWouldNotPlayIsNotWritten) {
    const struct {
        const char* what;
        void (*spoil)(PageDeck&);
        std::string problem;
    } cases[] = {
        {"a target beyond its picture", [](PageDeck& t) { t.list[1].target->left = 790; },
         "slide 2: the target reaches beyond the picture (800 x 600 pixels)"},
        {"a picture not chosen", [](PageDeck& t) { t.list[1].picture = "gone.png"; },
         "slide 2: picture \"gone.png\" is missing"},
        {"a row not read", [](PageDeck& t) { t.list.push_back({.problem = "bad width"}); },
         "a row not read: bad width"},
        {"no slides", [](PageDeck& t) { t.list = {{.picture = "a.png"}}; },
         "The deck has no slides yet: drag a target on a picture."},
        {"a deck file that is not text", [](PageDeck& t) { t.unreadable = "line 1: not UTF-8"; },
         "line 1: not UTF-8"},
        {"a passing score above 100", [](PageDeck& t) { t.mastery = 101; },
         "The passing score must be a whole number from 0 to 100."},
    };
    for (const auto& c : cases) {
        PageDeck deck;
        c.spoil(deck);
        DeckExport written = deck.Export(DeckExportKind::kScorm12);
        ASSERT_FALSE(written.problems.empty()) << c.what;
        EXPECT_EQ(written.problems[0], c.problem) << c.what;
        EXPECT_TRUE(written.archive.bytes.empty()) << c.what;
    }
    for (const char* name : {"a/b", "..", "deck?x", "", "fonts", "tessivar.html"}) {
        EXPECT_FALSE(PageDeck().Export(DeckExportKind::kScorm2004, name).problems.empty()) << name;
    }
}

// A deck's name becomes a folder's on every computer and part of the
// downloaded file's name: one that cannot is refused, saying why.
TEST(DeckExports, ANameThatCannotBeAFolderEverywhereIsRefusedSayingWhy) {
    const std::pair<std::string, std::string> refused[] = {
        {" ", "The deck needs a name: type one in Deck name."},
        {"Lab<1>",
         "The deck's name \"Lab<1>\" cannot be a folder's name on every computer: type "
         "one without < > : \" / \\ | ? * # or control characters."},
        {"a|b",
         "The deck's name \"a|b\" cannot be a folder's name on every computer: type one "
         "without < > : \" / \\ | ? * # or control characters."},
        {"con",
         "The deck's name \"con\" is kept by Windows for its devices (CON, PRN, AUX, NUL, "
         "COM1 to COM9, LPT1 to LPT9): type another."},
        {"LPT9.lab",
         "The deck's name \"LPT9.lab\" is kept by Windows for its devices (CON, PRN, "
         "AUX, NUL, COM1 to COM9, LPT1 to LPT9): type another."},
        {"Lab 1.",
         "The deck's name \"Lab 1.\" ends in a dot or a blank, which Windows drops from "
         "a folder's name: take it off."},
        {"Lab 1 ",
         "The deck's name \"Lab 1 \" ends in a dot or a blank, which Windows drops from "
         "a folder's name: take it off."},
        {std::string(250, 'x'),
         "The deck's name is 250 bytes long; names up to 100 bytes are "
         "taken (a letter with an accent takes two): shorten it."},
    };
    for (const auto& [name, problem] : refused) {
        for (DeckExportKind kind : {DeckExportKind::kFolder, DeckExportKind::kScorm12}) {
            DeckExport written = PageDeck().Export(kind, name);
            EXPECT_EQ(written.problems, std::vector<std::string>{problem}) << name;
            EXPECT_TRUE(written.archive.bytes.empty()) << name;
        }
    }
    for (const std::string& name :
         std::vector<std::string>{"COM10", "Console", "Lab 1.2", std::string(100, 'x')}) {
        EXPECT_EQ(PageDeck().Export(DeckExportKind::kFolder, name).problems,
                  std::vector<std::string>{})
            << name;
    }
}
