#pragma once

#include <string>
#include <string_view>

// A spreadsheet file's bytes as text (a deck, an exercise set). Spreadsheets
// save UTF-8 with or without a byte-order mark, and UTF-16 with one as
// "Unicode text"; the two are read, anything else is refused rather than
// shown wrong.
struct SheetText {
    std::string utf8;  // without a byte-order mark
    // The first line (counting from 1) that holds bytes of neither; 0 when
    // the whole file reads.
    int badLine = 0;
};

SheetText DecodeSheetText(std::string_view bytes);

// What the instructor is told about a file that is not UTF-8, and how to mend it.
std::string NotUtf8Problem();
