#include "deck_folder_name.h"

#include <algorithm>
#include <array>

#include "deck.h"
#include "deck_link.h"

namespace {

constexpr std::string_view kNotInFolderNames = "<>:\"/\\|?*#";

// Windows keeps these for devices, also with an extension after them.
bool KeptByWindows(std::string_view name) {
    std::string stem(name.substr(0, name.find('.')));
    for (char& c : stem) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
    if (std::find(kDevices.begin(), kDevices.end(), stem) != kDevices.end()) return true;
    bool port = stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT"));
    return port && stem[3] >= '1' && stem[3] <= '9';
}

}  // namespace

std::optional<std::string> DeckNameProblem(std::string_view name) {
    std::string quoted = "The deck's name " + Quoted(name);
    if (WithoutBlanks(name).empty()) return "The deck needs a name: type one in Deck name.";
    if (name.find_first_of(kNotInFolderNames) != std::string_view::npos || !PlainDeckName(name)) {
        return quoted + " cannot be a folder's name on every computer: type one without " +
               "< > : \" / \\ | ? * # or control characters.";
    }
    if (KeptByWindows(name)) {
        return quoted +
               " is kept by Windows for its devices (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to "
               "LPT9): type another.";
    }
    if (name.ends_with('.') || name.ends_with(' ')) {
        return quoted +
               " ends in a dot or a blank, which Windows drops from a folder's name: "
               "take it off.";
    }
    if (name.size() > kLongestDeckName) {
        return "The deck's name is " + std::to_string(name.size()) + " bytes long; names up to " +
               std::to_string(kLongestDeckName) +
               " bytes are taken (a letter with an accent takes two): shorten it.";
    }
    return std::nullopt;
}
