#pragma once

#include <QString>
#include <filesystem>
#include <string>

#include "slide_show.h"

// Where results go: the file given, else results.csv in the user's
// application data folder.
std::filesystem::path ResultsFile(const QString& given);

// Each show's result goes to the end of `file` as one line, with the time it
// ended and the deck's folder; a result that cannot be written is told to
// the student, naming the file and why.
void RecordResults(SlideShow& show, std::filesystem::path file, std::string deck);
