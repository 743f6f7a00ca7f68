#pragma once

#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as spreadsheets write them (RFC 4180): quoted fields
// may hold commas, doubled quotes and line breaks; lines end in CR LF, LF or
// CR alone; a UTF-8 byte-order mark at the start is dropped.

struct CsvRecord {
    int line = 0;  // where the record starts, counting from 1
    std::vector<std::string> fields;
    // Empty when the record is well formed.
    std::string problem;
};

// Every record, blank lines included (as one empty field).
std::vector<CsvRecord> ParseCsv(std::string_view text);

// The field as written into a file: quoted when it must be.
std::string CsvField(std::string_view value);
// A whole record, ending in CR LF.
std::string CsvLine(const std::vector<std::string>& fields);
