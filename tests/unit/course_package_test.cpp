#include <gtest/gtest.h>

#include "font_faces.h"
#include "manifest.h"
#include "zip_archive.h"
#include "zip_reader.h"

// The pieces of a course package: names that stay inside the folder they are
// unpacked in, the archive's layout, the manifest, the fonts' stylesheet.

TEST(ZipArchive, TakesOnlyPlainRelativeNames) {
    for (const char* plain : {"a.jpg", "Orvane ScreenShots/ScreenShot-0.jpg", "fonts/x.ttf",
                              "caf\xc3\xa9.png", "..a", "a..b/c"}) {
        EXPECT_TRUE(PlainEntryName(plain)) << plain;
    }
    for (const char* refused : {"", "/etc/passwd", "../a", "a/../../b", "a/./b", "./a", "a//b",
                                "a/", "a\\b", "C:/x", "c:x", "a\tb", "a\x7f"}) {
        EXPECT_FALSE(PlainEntryName(refused)) << refused;
        EXPECT_FALSE(ZipArchive({{"fine.txt", "x"}, {refused, "x"}})) << refused;
    }
}

TEST(ZipArchive, StoresWhatDeflateDoesNotShrinkWithItsCrc) {
    EXPECT_EQ(Crc32("123456789"), 0xcbf43926u);
    auto never = [](std::string_view) -> std::optional<std::string> {
        return "longer than the data";
    };
    std::string zip = ZipArchive({{"a.txt", "hello"}, {"b/c.txt", ""}}, never).value();
    // Local headers of 30 bytes, central ones of 46, the end record of 22.
    EXPECT_EQ(zip.size(), (30 + 5 + 5) + (30 + 7) + (46 + 5) + (46 + 7) + 22u);
    EXPECT_EQ(zip.substr(0, 4), "PK\x03\x04");
    EXPECT_EQ(zip.substr(8, 2), std::string(2, '\0')) << "stored";
    EXPECT_EQ(zip.substr(30, 10), "a.txthello");
    EXPECT_EQ(zip.substr(zip.size() - 22, 4), "PK\x05\x06");
    EXPECT_EQ(zip[zip.size() - 22 + 10], 2) << "two entries";
}

// What the writer writes, whole or piece by piece, the reader reads back from
// the archive's end, as a browser reads a chosen file; a comment after the
// end and a damaged directory are told apart.
TEST(ZipArchive, ReadsBackWhatItWritesPieceByPiece) {
    auto halve = [](std::string_view data) -> std::optional<std::string> {
        return std::string(data.substr(0, data.size() / 2));
    };
    std::string zip =
        ZipArchive({{"deck/deck.csv", std::string(40, 'x')}, {"b", ""}, {"a.png", "png"}}, halve)
            .value();
    ZipWriter writer;
    std::string pieces =
        writer.Header({"deck/deck.csv", Crc32(std::string(40, 'x')), 40, 20, true}).value() +
        std::string(20, 'x');
    pieces += writer.Header({"b", Crc32(""), 0, 0, false}).value();
    pieces += writer.Header({"a.png", Crc32("png"), 3, 1, true}).value() + "p";
    EXPECT_EQ(pieces + writer.Directory().value(), zip);

    // The end record's comment: five bytes that look like another end record.
    std::string commented = zip.substr(0, zip.size() - 2) + std::string("\x05\0PK\x05\x06", 6);
    for (const std::string& archive : {zip, commented}) {
        std::optional<ZipSpan> directory = ZipDirectoryIn(archive, archive.size());
        ASSERT_TRUE(directory) << archive.size();
        std::string listed = archive.substr(directory->offset, directory->size);
        std::vector<ZipItem> items = ZipItems(listed).value();
        ASSERT_EQ(items.size(), 3u);
        EXPECT_EQ(items[0].name, "deck/deck.csv");
        EXPECT_TRUE(items[0].deflated && !items[1].deflated && items[2].readable);
        ZipSpan data = ZipDataIn(archive.substr(items[2].header, kZipLocalBytes), items[2]).value();
        EXPECT_EQ(archive.substr(data.offset, data.size), "p");
        EXPECT_EQ(items[2].crc, Crc32("png"));
        EXPECT_FALSE(ZipItems(listed.substr(0, listed.size() - 1)));
    }
    EXPECT_FALSE(ZipDirectoryIn("not a zip archive at all", 24));
}

TEST(Manifest, ListsEveryFileAndThePassingScoreInEachVersion) {
    CoursePackage package{
        .identifier = "org.kymbral.t&t",
        .title = "Tessivar <demo>",
        .launch = "tessivar.html",
        .launchParameters = {{"deck", "Orvane ScreenShots"}},
        .masteryScore = 80,
        .files = {"tessivar.html", "Orvane ScreenShots/ScreenShot-0.jpg", "caf\xc3\xa9.js"}};
    std::string v12 = Manifest(package, ScormVersion::Scorm12);
    std::string v2004 = Manifest(package, ScormVersion::Scorm2004);
    for (const std::string& xml : {v12, v2004}) {
        EXPECT_NE(xml.find("identifier=\"org.kymbral.t&amp;t\" version=\"" KYMBRAL_VERSION "\""),
                  std::string::npos);
        EXPECT_NE(xml.find("<title>Tessivar &lt;demo&gt;</title>"), std::string::npos);
        EXPECT_NE(xml.find("=\"sco\" href=\"tessivar.html?deck=Orvane%20ScreenShots\""),
                  std::string::npos);
        EXPECT_NE(xml.find("<file href=\"Orvane%20ScreenShots/ScreenShot-0.jpg\"/>"),
                  std::string::npos);
        EXPECT_NE(xml.find("<file href=\"caf%C3%A9.js\"/>"), std::string::npos);
    }
    EXPECT_NE(v12.find("<schemaversion>1.2</schemaversion>"), std::string::npos);
    EXPECT_NE(v12.find("<adlcp:masteryscore>80</adlcp:masteryscore>"), std::string::npos);
    EXPECT_NE(v2004.find("<schemaversion>2004 4th Edition</schemaversion>"), std::string::npos);
    EXPECT_NE(v2004.find("<imsss:minNormalizedMeasure>0.80</imsss:minNormalizedMeasure>"),
              std::string::npos);

    package.masteryScore.reset();
    EXPECT_EQ(Manifest(package, ScormVersion::Scorm12).find("mastery"), std::string::npos);
    EXPECT_EQ(Manifest(package, ScormVersion::Scorm2004).find("imsss:sequencing"),
              std::string::npos);
}

TEST(FontFaces, OnlyTheFacesWhoseFilesThePackageCarriesStay) {
    std::string css =
        "/* faces */\n"
        "@font-face { font-family: \"S\"; src: url(S-Regular.ttf); }\n"
        "@font-face { font-family: \"M\"; src: url('M-Bold.ttf'); }\n"
        "@font-face {\n  font-family: \"F\";\n  src: url(\"F.ttf\");\n}\n"
        "body { color: red; }\n";
    EXPECT_EQ(KeepPackagedFontFaces(css, "fonts/fonts.css", {"fonts/S-Regular.ttf", "fonts/F.ttf"}),
              "/* faces */\n"
              "@font-face { font-family: \"S\"; src: url(S-Regular.ttf); }\n"
              "@font-face {\n  font-family: \"F\";\n  src: url(\"F.ttf\");\n}\n"
              "body { color: red; }\n");
    EXPECT_EQ(KeepPackagedFontFaces(css, "fonts.css", {}), "/* faces */\nbody { color: red; }\n");
}
