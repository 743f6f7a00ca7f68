#include <gtest/gtest.h>

#include "font_faces.h"
#include "manifest.h"
#include "zip_archive.h"

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

TEST(Manifest, ListsEveryFileAndThePassingScoreInEachVersion) {
    CoursePackage package{
        "org.kymbral.t&t",
        "Tessivar <demo>",
        "tessivar.html",
        80,
        {"tessivar.html", "Orvane ScreenShots/ScreenShot-0.jpg", "caf\xc3\xa9.js"}};
    std::string v12 = Manifest(package, ScormVersion::Scorm12);
    std::string v2004 = Manifest(package, ScormVersion::Scorm2004);
    for (const std::string& xml : {v12, v2004}) {
        EXPECT_NE(xml.find("identifier=\"org.kymbral.t&amp;t\""), std::string::npos);
        EXPECT_NE(xml.find("<title>Tessivar &lt;demo&gt;</title>"), std::string::npos);
        EXPECT_NE(xml.find("=\"sco\" href=\"tessivar.html\""), std::string::npos);
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
