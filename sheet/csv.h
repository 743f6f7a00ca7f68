#pragma once

#include <string>
#include <string_view>
#include <vector>

// Separated values as spreadsheets write them (RFC 4180): quoted fields may
// hold the separator, doubled quotes and line breaks; lines end in CR LF, LF or
// CR alone. The separator is a comma, or a semicolon or tab where a
// spreadsheet's locale or a "text" export chooses one.

struct CsvRecord {
    int line = 0;  // where the record starts, counting from 1
    std::vector<std::string> fields;
    std::string_view source;  // the record's text, without its line break
    // Empty when the record is well formed.
    std::string problem;
};

// Every record, blank lines included (as one empty field).
std::vector<CsvRecord> ParseCsv(std::string_view text, char separator = ',');
// The first record that holds anything; an empty one when none does.
CsvRecord FirstFilledRecord(std::string_view text, char separator);
// True when the record is well formed and all its fields are empty.
bool IsBlank(const CsvRecord& record);

// The field as written into a file: quoted when it must be.
std::string CsvField(std::string_view value);
// A whole record, ending in CR LF.
std::string CsvLine(const std::vector<std::string>& fields);
