#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "author_deck.h"
#include "chosen_pictures.h"
#include "deck_passing_score.h"
#include "package_plan.h"

// What the author page writes for an instructor: the deck's folder as a zip
// (for the desktop's `tessivar FOLDER` and for a site), or a course package
// that plays the deck on a learning platform. Only a deck that the show
// would play leaves the page.

// The page names its download buttons by this enum (its codes are made from it).
enum class DeckExportKind { kFolder, kScorm12, kScorm2004 };

struct DeckToExport {
    std::string name;  // the deck's folder
    const AuthorList& list;
    std::vector<std::string> columns;  // the header row as read
    ChosenPictures& pictures;
    std::string unreadable;              // why its deck.csv may not be written over
    int mastery = kDefaultPassingScore;  // the passing score of a package, in percent
};

struct DeckExport {
    std::vector<std::string> problems;  // why nothing is written
    std::string fileName;
    ArchivePlan archive;
    std::vector<std::string> notes;  // what the instructor may not expect of it
};

// Why the deck may not be written: what the desktop would refuse, and what
// keeps it from being a folder.
std::vector<std::string> ExportProblems(const DeckToExport& deck);

// `builtPackage`: a course package of Tessivar that the build made, whose
// page files a deck's package takes over.
DeckExport ExportDeck(const DeckToExport& deck, DeckExportKind kind,
                      std::string_view builtPackage = {});
