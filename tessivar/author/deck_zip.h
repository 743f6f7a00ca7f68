#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "zip_reader.h"

// The deck in a zip that an instructor chose: the files at its root, or, when
// the root holds one folder alone (a folder zipped as it is), the files in
// that folder. Deeper files stay out, as a deck's subfolders do.
struct ZippedDeck {
    std::string name;                   // the deck's folder, or the zip's name
    std::vector<std::size_t> files;     // the items that are the deck's files
    std::vector<std::string> names;     // their names in the deck's folder
    std::vector<std::string> problems;  // files left out; or why the zip is refused
    bool refused = false;
};

// A zip that holds a name leading out of the folder it is unpacked in is
// refused whole: it was not made by a deck's author.
ZippedDeck DeckInZip(const std::vector<ZipItem>& items, std::string_view zipName);
