#include "author_guide.h"

#include "covered_areas.h"
#include "csv.h"
#include "picture_formats.h"

namespace {

std::string PictureProblem(const AuthorView& view, const AuthorEntry& entry) {
    if (!view.picture && view.chosenFiles) {
        return "The picture \"" + entry.picture +
               "\" is not among the chosen pictures, or cannot be read: choose it, or Remove "
               "this slide.";
    }
    if (!view.picture) {
        return "The picture \"" + entry.picture +
               "\" is missing from the folder or cannot be read: put it back, or Remove this "
               "slide.";
    }
    if (!IsSlide(entry)) {
        return "Drag a rectangle over the place that students must click: the picture becomes "
               "a slide. Then type below what to click, and why.";
    }
    if (std::optional<std::string_view> covering = CoveringText(*entry.target, *view.picture)) {
        return "This target lies under " + std::string(*covering) +
               ", which takes the clicks there: students could not click it. Drag a new "
               "rectangle outside the shaded parts.";
    }
    std::string slide =
        std::to_string(SlideOf(view.list, static_cast<std::size_t>(view.chosen)) + 1);
    if (entry.text.empty()) {
        return "Slide " + slide + " has no text yet: students would see only \"Screen: " + slide +
               "\". Type below what to click, and why.";
    }
    return "Slide " + slide +
           ". Drag a new rectangle to move its target; students read the text below. The "
           "shaded parts lie under the texts that the show puts over the picture.";
}

}  // namespace

std::string AuthorGuide(const AuthorView& view) {
    std::string screenshots = "your screenshots (" + PictureFormatNames() + ")";
    if (!view.unreadable.empty()) {
        return view.unreadable +
               "\nTessivar will not write over this file: save it as CSV UTF-8, " +
               (view.chosenFiles ? "then choose it again." : "then open the deck again.");
    }
    if (view.chosenFiles && view.chosen < 0) {
        return "Choose " + screenshots +
               ", a folder of them, or a deck: its deck.csv with its pictures, or its zip.";
    }
    if (!view.folderExists) {
        return "The folder " + view.folder + " does not exist. Make it, put " + screenshots +
               " into it, then press Refresh.";
    }
    if (view.chosen < 0) {
        return "This folder has no pictures yet: put " + screenshots + " into " + view.folder +
               " and they appear in the list.";
    }
    const AuthorEntry& entry = view.list[static_cast<std::size_t>(view.chosen)];
    if (IsUnreadRow(entry)) {
        // The desktop writes it back; a deck that leaves the page must play.
        return "This row of deck.csv could not be read: " + entry.problem +
               (view.chosenFiles ? ".\nThe deck cannot be downloaded with it: "
                                 : ".\nIt stays in the file when you save: ") +
               RowText(entry) + "\nRemove takes it out of the file; or mend it in a spreadsheet.";
    }
    return PictureProblem(view, entry);
}

std::string EntryLabel(const AuthorList& list, std::size_t index, bool missing) {
    const AuthorEntry& entry = list[index];
    if (IsUnreadRow(entry)) return "Not read: " + entry.problem;
    if (!IsSlide(entry)) return entry.picture + " (not in the deck)";
    return std::to_string(SlideOf(list, index) + 1) + ". " + entry.picture +
           (missing ? " (missing)" : "") + (entry.text.empty() ? " (no text)" : "");
}

std::string RowText(const AuthorEntry& entry) {
    std::string text = entry.source.empty() ? CsvLine(entry.fields) : entry.source;
    while (text.ends_with('\n') || text.ends_with('\r')) text.pop_back();
    return text;
}
