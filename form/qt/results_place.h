#pragma once

#include <QString>
#include <filesystem>
#include <string>

// Where a program's results go: the file given, else results.csv in the
// user's application data folder for the program (its application name).
std::filesystem::path ResultsFile(const QString& given);

// The local time now, with its offset from UTC (ISO 8601), as a result line
// starts.
std::string FinishedAt();
