// The deck author page's module: the instructor's list, the checks and the
// zips, the same code as the desktop's author window; the page reads the
// chosen files, draws, and hands the bytes over. Texts go out as JSON.
#include <emscripten.h>

#include <optional>
#include <utility>

#include "author_check.h"
#include "author_guide.h"
#include "covered_areas.h"
#include "deck_export.h"
#include "deck_passing_score.h"
#include "deck_zip.h"
#include "json_out.h"
#include "keyed_target.h"

namespace {

struct AuthorPage {
    ChosenPictures pictures;
    AuthorList list;
    std::vector<std::string> columns;
    std::string unreadable;
    std::string answer;    // the last JSON answer, alive until the next call
    std::string exported;  // the last archive's bytes
    std::optional<std::pair<std::size_t, AuthorEntry>> removed;  // the last removal, and where
};

AuthorPage& Page() {
    static AuthorPage page;
    return page;
}

std::string_view Bytes(const char* data, int length) {
    return {data, static_cast<std::size_t>(std::max(length, 0))};
}

const char* Answer(const JsonOut& out) {
    Page().answer = out.Text();
    return Page().answer.c_str();
}

JsonOut& Strings(JsonOut& out, const std::vector<std::string>& texts) {
    out.Open('[');
    for (const std::string& text : texts) out.Value(text);
    return out.Close(']');
}

const char* Message(const std::optional<std::string>& message) {
    JsonOut out;
    if (message) out.Value(*message);
    return Answer(out);
}

bool Shows(const std::vector<std::string>& names, const std::string& picture) {
    return std::find(names.begin(), names.end(), picture) != names.end();
}

void Entry(JsonOut& out, std::size_t index, const std::vector<std::string>& names) {
    const AuthorEntry& entry = Page().list[index];
    bool missing = IsSlide(entry) && !Shows(names, entry.picture);
    const char* kind = IsUnreadRow(entry) ? "unread" : IsSlide(entry) ? "slide" : "picture";
    out.Open('{').Key("label").Value(EntryLabel(Page().list, index, missing));
    out.Key("kind").Value(kind).Key("missing").Value(missing);
    out.Key("picture").Value(entry.picture).Key("text").Value(entry.text);
    out.Key("row").Value(IsUnreadRow(entry) ? RowText(entry) : "");
    out.Key("described").Value(TargetDescription(entry.target));
    if (entry.target) {
        const TargetRect& t = *entry.target;
        out.Key("target").Open('[').Value(t.left).Value(t.top).Value(t.width).Value(t.height);
        out.Close(']');
    }
    out.Close('}');
}

void Covered(JsonOut& out, PictureSize size) {
    out.Key("covered").Open('[');
    for (const CoveredArea& a : CoveredAreas(size)) {
        out.Open('[').Value(a.left).Value(a.top).Value(a.right).Value(a.bottom).Close(']');
    }
    out.Close(']');
}

const char* AdmissionAnswer(const Admission& admitted) {
    const char* kinds[] = {"picture", "deck", "zip", "out"};
    JsonOut out;
    out.Open('{').Key("kind").Value(kinds[static_cast<int>(admitted.kind)]);
    out.Key("message").Value(admitted.message).Close('}');
    return Answer(out);
}

}  // namespace

extern "C" {

// A new deck, from the bytes of its deck.csv (none: no file yet): {problems:
// what is wrong in the file, line by line; passingScore: the one it keeps}.
EMSCRIPTEN_KEEPALIVE const char* author_start(const char* deck, int length) {
    AuthorPage& page = Page();
    page.pictures.Clear();
    DeckReading reading = deck ? ReadDeck(Bytes(deck, length)) : DeckReading{};
    page.unreadable = reading.decoded ? "" : ProblemsText(reading.problems);
    page.columns = reading.columns;
    page.list = StartAuthoring(reading, {});
    page.removed.reset();
    JsonOut out;
    Strings(out.Open('{').Key("problems"), reading.problems);
    return Answer(out.Key("passingScore").Value(PassingScoreIn(reading)).Close('}'));
}

EMSCRIPTEN_KEEPALIVE void author_new_choice() {
    Page().pictures.NewChoice();
}

// What a chosen file is by its name: {kind, message}.
EMSCRIPTEN_KEEPALIVE const char* author_kind(const char* name) {
    return AdmissionAnswer(ChosenPictures::KindOf(name));
}

// The same for a picture of the choice, which it then belongs to.
EMSCRIPTEN_KEEPALIVE const char* author_admit(const char* name) {
    return AdmissionAnswer(Page().pictures.Admit(name));
}

// Why a chosen file of this length is not read, or null: asked before its
// bytes are read, or unpacked from a zip.
EMSCRIPTEN_KEEPALIVE const char* author_too_large(const char* name, double length) {
    return Message(ChosenPictures::TooLarge(name, static_cast<std::uint64_t>(length)));
}

// A picture's bytes (crc < 0: none listed); why it is left out, or null
// when the page is to decode it.
EMSCRIPTEN_KEEPALIVE const char* author_take(const char* name, const char* data, int length,
                                             double crc) {
    std::optional<std::uint32_t> listed;
    if (crc >= 0) listed = static_cast<std::uint32_t>(crc);
    return Message(Page().pictures.Take(name, Bytes(data, length), listed));
}

EMSCRIPTEN_KEEPALIVE const char* author_decoded(const char* name, int width, int height) {
    std::optional<PictureSize> size;
    if (width > 0 && height > 0) size = PictureSize{width, height};
    return Message(Page().pictures.Decoded(name, size));
}

// The pictures taken in join the list; those gone without a slide leave it.
EMSCRIPTEN_KEEPALIVE void author_list_pictures() {
    ListPictures(Page().list, Page().pictures.Names());
}

// Where a zip's directory lies, from its last bytes: {offset, size}, or null.
EMSCRIPTEN_KEEPALIVE const char* author_zip_directory(const char* tail, int length, double size) {
    std::optional<ZipSpan> span =
        ZipDirectoryIn(Bytes(tail, length), static_cast<std::uint64_t>(size));
    JsonOut out;
    if (span) {
        out.Open('{').Key("offset").Value(static_cast<long long>(span->offset));
        out.Key("size").Value(static_cast<long long>(span->size)).Close('}');
    }
    return Answer(out);
}

// The deck in a zip, from its directory: {name, refused, problems, files:
// [{name, header, packed, crc, size, deflated}]}; null when the directory is
// damaged.
EMSCRIPTEN_KEEPALIVE const char* author_zip_deck(const char* directory, int length,
                                                 const char* zipName) {
    std::optional<std::vector<ZipItem>> items = ZipItems(Bytes(directory, length));
    JsonOut out;
    if (!items) return Answer(out);
    ZippedDeck deck = DeckInZip(*items, zipName);
    out.Open('{').Key("name").Value(deck.name).Key("refused").Value(deck.refused);
    Strings(out.Key("problems"), deck.problems).Key("files").Open('[');
    for (std::size_t i = 0; i < deck.files.size(); ++i) {
        const ZipItem& item = (*items)[deck.files[i]];
        out.Open('{').Key("name").Value(deck.names[i]);
        out.Key("header").Value(static_cast<long long>(item.header));
        out.Key("packed").Value(static_cast<long long>(item.packed));
        out.Key("crc").Value(static_cast<long long>(item.crc));
        out.Key("size").Value(static_cast<long long>(item.size));
        out.Key("deflated").Value(item.deflated).Close('}');
    }
    out.Close(']').Close('}');
    return Answer(out);
}

// Where a zipped file's data starts, from its local header; -1 when damaged.
EMSCRIPTEN_KEEPALIVE double author_zip_data(const char* local, int length, double header) {
    ZipItem item;
    item.header = static_cast<std::uint64_t>(header);
    std::optional<ZipSpan> span = ZipDataIn(Bytes(local, length), item);
    return span ? static_cast<double>(span->offset) : -1;
}

// The list, the guide line and the chosen entry's picture: {entries, guide,
// chosen: {size, covered}}.
EMSCRIPTEN_KEEPALIVE const char* author_state(int chosen) {
    AuthorPage& page = Page();
    std::vector<std::string> names = page.pictures.Names();
    if (chosen >= static_cast<int>(page.list.size()))
        chosen = static_cast<int>(page.list.size()) - 1;
    JsonOut out;
    out.Open('{').Key("entries").Open('[');
    for (std::size_t i = 0; i < page.list.size(); ++i) Entry(out, i, names);
    out.Close(']');
    AuthorView view{.folder = "",
                    .folderExists = true,
                    .unreadable = page.unreadable,
                    .list = page.list,
                    .chosen = chosen,
                    .picture = {},
                    .chosenFiles = true};
    if (chosen >= 0 && !IsUnreadRow(page.list[chosen])) {
        view.picture = page.pictures.Size(page.list[chosen].picture);
    }
    if (view.picture) {
        out.Key("size").Open('[').Value(view.picture->width).Value(view.picture->height);
        Covered(out.Close(']'), *view.picture);
    }
    out.Key("chosen").Value(chosen).Key("guide").Value(AuthorGuide(view)).Close('}');
    return Answer(out);
}

EMSCRIPTEN_KEEPALIVE void author_set_text(int index, const char* text) {
    AuthorList& list = Page().list;
    if (index >= 0 && index < static_cast<int>(list.size()) && !IsUnreadRow(list[index])) {
        list[index].text = text;
    }
}

EMSCRIPTEN_KEEPALIVE void author_set_target(int index, int left, int top, int width, int height) {
    AuthorList& list = Page().list;
    if (index >= 0 && index < static_cast<int>(list.size()) && !IsUnreadRow(list[index])) {
        list[index].target = TargetRect{left, top, width, height};
    }
}

// The entry's target after an arrow key (an Arrow, as the page has it) with
// the part of its picture in view: [left, top, width, height], or null.
EMSCRIPTEN_KEEPALIVE const char* author_keyed_target(int index, int arrow, bool shift, bool resize,
                                                     int left, int top, int width, int height) {
    AuthorPage& page = Page();
    JsonOut out;
    if (index < 0 || index >= static_cast<int>(page.list.size())) return Answer(out);
    const AuthorEntry& entry = page.list[index];
    std::optional<PictureSize> size = page.pictures.Size(entry.picture);
    if (IsUnreadRow(entry) || !size) return Answer(out);
    TargetKey key{static_cast<Arrow>(std::clamp(arrow, 0, static_cast<int>(Arrow::Down))), shift,
                  resize};
    std::optional<TargetRect> t =
        KeyedTarget(entry.target, key, *size, TargetRect{left, top, width, height});
    if (t) out.Open('[').Value(t->left).Value(t->top).Value(t->width).Value(t->height).Close(']');
    return Answer(out);
}

EMSCRIPTEN_KEEPALIVE int author_move(int index, int by) {
    if (index < 0) return index;
    return static_cast<int>(MoveEntry(Page().list, static_cast<std::size_t>(index), by));
}

EMSCRIPTEN_KEEPALIVE void author_remove(int index) {
    AuthorPage& page = Page();
    if (index < 0 || index >= static_cast<int>(page.list.size())) return;
    if (!IsSlide(page.list[index]) && !IsUnreadRow(page.list[index])) return;
    page.removed = {static_cast<std::size_t>(index), page.list[index]};
    RemoveEntry(page.list, index);
}

// The last removal undone: where the entry is back, or -1 when there is none.
EMSCRIPTEN_KEEPALIVE int author_undo_remove() {
    AuthorPage& page = Page();
    if (!page.removed) return -1;
    auto [index, entry] = *std::exchange(page.removed, std::nullopt);
    RestoreEntry(page.list, index, entry);
    return static_cast<int>(std::min(index, page.list.size() - 1));
}

// The deck as it stands, to try from the chosen entry: {problems, text, first}.
EMSCRIPTEN_KEEPALIVE const char* author_play(int chosen) {
    AuthorPage& page = Page();
    OpenedDeck opened = CheckAuthorList(page.list, "", page.pictures);
    JsonOut out;
    Strings(out.Open('{').Key("problems"), opened.problems);
    if (opened.problems.empty()) {
        std::size_t first = SlideOf(page.list, static_cast<std::size_t>(std::max(chosen, 0)));
        out.Key("text").Value(AuthorDeckText(page.columns, page.list));
        out.Key("first").Value(static_cast<int>(first % opened.slides.size()) + 1);
    }
    return Answer(out.Close('}'));
}

// The deck as a zip or a SCORM 1.2 or 2004 package (kind: a DeckExportKind):
// {problems, notes, file, pictures: [[end, name]]}, the bytes by author_exported.
EMSCRIPTEN_KEEPALIVE const char* author_export(int kind, const char* name, int mastery,
                                               const char* built, int length) {
    AuthorPage& page = Page();
    DeckToExport deck{name, page.list, page.columns, page.pictures, page.unreadable, mastery};
    DeckExport written = ExportDeck(deck, static_cast<DeckExportKind>(kind), Bytes(built, length));
    page.exported = std::move(written.archive.bytes);
    JsonOut out;
    Strings(out.Open('{').Key("problems"), written.problems);
    Strings(out.Key("notes"), written.notes);
    out.Key("file").Value(written.fileName).Key("pictures").Open('[');
    for (const auto& [end, picture] : written.archive.pictures) {
        out.Open('[').Value(static_cast<long long>(end)).Value(picture).Close(']');
    }
    return Answer(out.Close(']').Close('}'));
}

// Why the deck may not be downloaded as it stands: a list, empty when it may.
EMSCRIPTEN_KEEPALIVE const char* author_export_problems(const char* name, int mastery) {
    AuthorPage& page = Page();
    DeckToExport deck{name, page.list, page.columns, page.pictures, page.unreadable, mastery};
    JsonOut out;
    return Answer(Strings(out, ExportProblems(deck)));
}

EMSCRIPTEN_KEEPALIVE const char* author_exported() {
    return Page().exported.data();
}

EMSCRIPTEN_KEEPALIVE int author_exported_length() {
    return static_cast<int>(Page().exported.size());
}

}  // extern "C"
