#include "deck_zip.h"

#include <set>

#include "deck.h"
#include "zip_archive.h"

namespace {

// The archiver of macOS keeps its own notes on each file here.
constexpr std::string_view kMacNotes = "__MACOSX/";

std::string_view Top(std::string_view name) {
    return name.substr(0, name.find('/'));
}

}  // namespace

ZippedDeck DeckInZip(const std::vector<ZipItem>& items, std::string_view zipName) {
    ZippedDeck deck;
    std::set<std::string_view> folders;
    bool rootFiles = false;
    for (const ZipItem& item : items) {
        std::string_view name = item.name;
        if (item.folder) name.remove_suffix(1);
        if (!PlainEntryName(name)) {
            deck.refused = true;
            deck.problems = {"the zip " + Quoted(zipName) + " holds " + Quoted(item.name) +
                             ", a name that leads out of the folder it is unpacked in: it is "
                             "not opened"};
            return deck;
        }
        if (name.starts_with(kMacNotes) || name == kMacNotes.substr(0, kMacNotes.size() - 1)) {
            continue;
        }
        if (name.find('/') == std::string_view::npos && !item.folder) rootFiles = true;
        if (name.find('/') != std::string_view::npos || item.folder) folders.insert(Top(name));
    }
    std::string prefix;
    deck.name =
        std::string(zipName.substr(0, zipName.size() - (zipName.ends_with(".zip") ? 4 : 0)));
    if (!rootFiles && folders.size() == 1) {
        deck.name = std::string(*folders.begin());
        prefix = deck.name + "/";
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ZipItem& item = items[i];
        if (item.folder || !item.name.starts_with(prefix)) continue;
        std::string name = item.name.substr(prefix.size());
        if (name.find('/') != std::string::npos) continue;
        if (!item.readable) {
            deck.problems.push_back(Quoted(name) +
                                    " cannot be unpacked (it is encrypted, or packed in a way "
                                    "that browsers do not unpack): it is left out");
            continue;
        }
        deck.files.push_back(i);
        deck.names.push_back(std::move(name));
    }
    return deck;
}
