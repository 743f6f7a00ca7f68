#include "deck_export.h"

#include <algorithm>

#include "author_check.h"
#include "deck_folder_name.h"
#include "deck_link.h"
#include "deck_passing_score.h"
#include "manifest.h"
#include "package_plan.h"
#include "show_resume.h"
#include "slide.h"

namespace {

constexpr char kIdentifier[] = "org.kymbral.Tessivar";

std::vector<std::string> SlidePictures(const AuthorList& list) {
    std::vector<std::string> pictures;
    for (const DeckSlide& slide : DeckOf(list)) {
        if (std::find(pictures.begin(), pictures.end(), slide.picture) == pictures.end()) {
            pictures.push_back(slide.picture);
        }
    }
    return pictures;
}

bool AddPictures(PlanWriter& writer, const DeckToExport& deck,
                 const std::vector<std::string>& pictures) {
    for (const std::string& picture : pictures) {
        const ChosenPicture* chosen = deck.pictures.Find(picture);
        if (!chosen ||
            !writer.AddLater(deck.name + "/" + picture, chosen->crc, chosen->length, picture)) {
            return false;
        }
    }
    return true;
}

// What the desktop would refuse, and what keeps the deck from its folder.
std::vector<std::string> Problems(const DeckToExport& deck, const std::string& text,
                                  std::vector<Slide>& slides) {
    if (!deck.unreadable.empty()) {
        return {deck.unreadable,
                "Save deck.csv as CSV UTF-8 in the spreadsheet, then choose it "
                "again: its rows cannot be read as they are."};
    }
    if (std::optional<std::string> problem = DeckNameProblem(deck.name)) return {*problem};
    if (!IsPassingScore(deck.mastery)) {
        return {"The passing score must be a whole number from 0 to 100."};
    }
    OpenedDeck checked = CheckAuthorList(deck.list, "", deck.pictures);
    if (checked.problems.empty()) checked = OpenDeck(text, "", deck.pictures);
    slides = std::move(checked.slides);
    return checked.problems;
}

// The pictures that no slide shows, which a package leaves out.
std::vector<std::string> Notes(const AuthorList& list, DeckExportKind kind) {
    std::vector<std::string> notes;
    for (const AuthorEntry& entry : list) {
        if (IsSlide(entry) || IsUnreadRow(entry)) continue;
        notes.push_back(
            Quoted(entry.picture) + " has no target: it is not a slide of the deck" +
            (kind == DeckExportKind::kFolder ? "" : ", and is left out of the package"));
    }
    return notes;
}

std::optional<ArchivePlan> FolderZip(const DeckToExport& deck, const std::string& text) {
    PlanWriter writer;
    writer.Add(deck.name + "/" + kDeckFileName, text);
    AddPictures(writer, deck, deck.pictures.Names());
    return writer.Finish();
}

std::optional<ArchivePlan> Package(const DeckToExport& deck, const std::string& text,
                                   const std::vector<Slide>& slides, ScormVersion version,
                                   const std::vector<PageFile>& page) {
    CoursePackage package{.identifier = std::string(kIdentifier) + "." + DeckKey(slides),
                          .title = deck.name,
                          .launch = "tessivar.html",
                          .launchParameters = {{"deck", deck.name}},
                          .masteryScore = deck.mastery};
    for (const PageFile& file : page) package.files.push_back(file.record.name);
    std::vector<std::string> pictures = SlidePictures(deck.list);
    package.files.push_back(deck.name + "/" + kDeckFileName);
    for (const std::string& picture : pictures) package.files.push_back(deck.name + "/" + picture);

    PlanWriter writer;
    writer.Add("imsmanifest.xml", Manifest(package, version));
    for (const PageFile& file : page) writer.AddPacked(file.record, file.packed);
    writer.Add(deck.name + "/" + kDeckFileName, text);
    AddPictures(writer, deck, pictures);
    return writer.Finish();
}

DeckExport Refused(std::string problem) {
    return {{std::move(problem)}, "", {}, {}};
}

}  // namespace

std::vector<std::string> ExportProblems(const DeckToExport& deck) {
    std::vector<Slide> slides;
    return Problems(deck, ScoredDeckText(deck.columns, deck.list, deck.mastery), slides);
}

DeckExport ExportDeck(const DeckToExport& deck, DeckExportKind kind,
                      std::string_view builtPackage) {
    std::string text = ScoredDeckText(deck.columns, deck.list, deck.mastery);
    std::vector<Slide> slides;
    DeckExport out{Problems(deck, text, slides), deck.name, {}, {}};
    if (!out.problems.empty()) return out;
    std::optional<ArchivePlan> archive;
    if (kind == DeckExportKind::kFolder) {
        out.fileName += ".zip";
        archive = FolderZip(deck, text);
    } else {
        std::optional<std::vector<PageFile>> page =
            PageFiles(builtPackage, std::string(kScreenshotFolder) + "/");
        if (!page) return Refused("Tessivar's page could not be read from this site's package.");
        auto taken = std::find_if(page->begin(), page->end(), [&](const PageFile& file) {
            return file.record.name.substr(0, file.record.name.find('/')) == deck.name;
        });
        if (taken != page->end()) {
            return Refused(
                "The deck's name " + Quoted(deck.name) +
                " is taken by a file of Tessivar's page in the package: choose another.");
        }
        bool v12 = kind == DeckExportKind::kScorm12;
        out.fileName += v12 ? "-scorm12.zip" : "-scorm2004.zip";
        archive = Package(deck, text, slides, v12 ? ScormVersion::Scorm12 : ScormVersion::Scorm2004,
                          *page);
    }
    if (!archive) return Refused("The deck is too large for a zip archive (4 GB at most).");
    out.archive = std::move(*archive);
    out.notes = Notes(deck.list, kind);
    return out;
}
