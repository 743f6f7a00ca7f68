#include <algorithm>
#include <array>
#include <charconv>

#include "csv.h"
#include "deck.h"
#include "deck_header.h"
#include "picture_formats.h"
#include "plain_file_name.h"
#include "sheet_text.h"

namespace {

// Larger than any screen, small enough that sums of two never overflow.
constexpr int kLargestNumber = 100000;
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// Digits alone, blanks around them allowed; a number too large for an int
// reads as one too large for a picture.
std::optional<int> WholeNumber(std::string_view text) {
    text = WithoutBlanks(text);
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() ? value : kLargestNumber + 1;
}

// The show breaks lines with carriage returns; spreadsheets write any kind.
std::string ShowLineBreaks(std::string_view text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        shown += text[i] == '\n' ? '\r' : text[i];
    }
    return shown;
}

std::string FileLineBreaks(std::string_view text) {
    std::string written(text);
    std::replace(written.begin(), written.end(), '\r', '\n');
    return written;
}

struct Bound {
    DeckColumn column;
    int least;
    const char* rule;
};
constexpr Bound kBounds[] = {
    {kLeft, 0, " must be a whole number of 0 or more"},
    {kTop, 0, " must be a whole number of 0 or more"},
    {kWidth, 1, " must be a whole number greater than 0"},
    {kHeight, 1, " must be a whole number greater than 0"},
};

// Fields past the header's count may only be empty ones that a spreadsheet added.
std::optional<std::string> FieldCountProblem(const std::vector<std::string>& fields,
                                             const DeckHeader& header) {
    std::size_t needed = *std::max_element(header.at.begin(), header.at.end()) + 1;
    std::size_t used = fields.size();
    while (used > header.fields && fields[used - 1].empty()) --used;
    if (used >= needed && used <= header.fields) return std::nullopt;
    return "found " + std::to_string(fields.size()) + " fields where the header row names " +
           std::to_string(header.fields);
}

std::vector<std::string> PictureProblems(const std::string& picture) {
    if (!PlainFileName(picture)) {
        return {"picture " + Quoted(picture) + " must be a file name in the deck's folder"};
    }
    // Blanks around the name are told when the picture is looked for.
    if (!IsPictureName(WithoutBlanks(picture))) {
        return {"picture " + Quoted(picture) + " must be a " + PictureFormatNames() +
                " picture, named as one"};
    }
    return {};
}

// A row kept as it stands: broken quoting keeps its text, as its fields are unsure.
DeckRow UnreadRow(const CsvRecord& record, std::string problem) {
    return {.line = record.line,
            .fields = record.fields,
            .source = record.problem.empty() ? "" : std::string(record.source),
            .problems = {std::move(problem)}};
}

DeckRow ReadRow(const CsvRecord& record, const DeckHeader& header) {
    if (!record.problem.empty()) return UnreadRow(record, record.problem);
    if (std::optional<std::string> problem = FieldCountProblem(record.fields, header)) {
        return UnreadRow(record, *problem);
    }
    DeckRow row{.line = record.line, .fields = record.fields};
    auto field = [&](DeckColumn column) { return record.fields[header.at[column]]; };
    row.problems = PictureProblems(field(kPicture));
    std::array<int, kDeckColumns> numbers{};
    for (const Bound& bound : kBounds) {
        auto value = WholeNumber(field(bound.column));
        if (value && *value >= bound.least && *value <= kLargestNumber) {
            numbers[bound.column] = *value;
            continue;
        }
        bool tooLarge = value && *value > kLargestNumber;
        row.problems.push_back(
            std::string(kColumnNames[bound.column]) +
            (tooLarge ? " must be at most " + std::to_string(kLargestNumber) : bound.rule));
    }
    if (row.problems.empty()) {
        row.slide = DeckSlide{field(kPicture),
                              ShowLineBreaks(field(kText)),
                              {numbers[kLeft], numbers[kTop], numbers[kWidth], numbers[kHeight]}};
    }
    return row;
}

void ReadRows(std::string_view text, DeckReading& reading) {
    char separator = SeparatorOf(text);
    std::optional<DeckHeader> header;
    for (const CsvRecord& record : ParseCsv(text, separator)) {
        if (IsBlank(record)) continue;
        if (!header) {
            header = ReadHeader(record);
            for (const std::string& problem : header->problems) {
                AddProblem(reading.problems, DeckLine(record.line), problem);
            }
            if (header->present) {
                reading.columns = record.fields;
                continue;
            }
        }
        DeckRow row =
            header->problems.empty()
                ? ReadRow(record, *header)
                : UnreadRow(record, "not read, as the header row does not name the deck's columns");
        if (header->problems.empty()) {
            for (const std::string& problem : row.problems) {
                AddProblem(reading.problems, DeckLine(row.line), problem);
            }
        }
        if (row.slide) {
            reading.deck.push_back(*row.slide);
            reading.lines.push_back(row.line);
        }
        reading.rows.push_back(std::move(row));
    }
}

}  // namespace

std::string Quoted(std::string_view name) {
    return "\"" + std::string(name) + "\"";
}

std::string DeckLine(int line) {
    return std::string(kDeckFileName) + " line " + std::to_string(line);
}

void AddProblem(std::vector<std::string>& problems, const std::string& place,
                const std::string& what) {
    if (problems.size() >= kMostProblems) return;
    problems.push_back(place + ": " + what);
}

int ProblemLine(const std::string& problem) {
    const std::string prefix = std::string(kDeckFileName) + " line ";
    if (!problem.starts_with(prefix)) return 0;
    return std::atoi(problem.c_str() + prefix.size());
}

DeckReading ReadDeck(std::string_view bytes) {
    DeckReading reading;
    SheetText text = DecodeSheetText(bytes);
    if (text.badLine != 0) {
        reading.decoded = false;
        AddProblem(reading.problems, DeckLine(text.badLine), NotUtf8Problem());
        return reading;
    }
    ReadRows(text.utf8, reading);
    return reading;
}

std::vector<std::string> WritingColumns(const std::vector<std::string>& columns) {
    std::vector<std::string> writing = columns;
    for (int column = 0; column < kDeckColumns; ++column) {
        bool named = std::any_of(columns.begin(), columns.end(), [&](const std::string& name) {
            return ColumnNamed(name) == column;
        });
        if (!named) writing.emplace_back(kColumnNames[column]);
    }
    return writing;
}

std::string HeaderLine(const std::vector<std::string>& columns) {
    return kByteOrderMark + CsvLine(columns);
}

std::string SlideLine(const DeckSlide& slide, const std::vector<std::string>& columns,
                      std::vector<std::string> fields) {
    const TargetRect& t = slide.target;
    const std::string values[kDeckColumns] = {slide.picture,           FileLineBreaks(slide.text),
                                              std::to_string(t.left),  std::to_string(t.top),
                                              std::to_string(t.width), std::to_string(t.height)};
    fields.resize(std::max(fields.size(), columns.size()));
    std::array<bool, kDeckColumns> written{};
    for (std::size_t i = 0; i < columns.size(); ++i) {
        std::optional<DeckColumn> column = ColumnNamed(columns[i]);
        if (!column || written[*column]) continue;
        fields[i] = values[*column];
        written[*column] = true;
    }
    return CsvLine(fields);
}

std::string WriteDeck(const Deck& deck) {
    std::vector<std::string> columns(std::begin(kColumnNames), std::end(kColumnNames));
    std::string text = HeaderLine(columns);
    for (const DeckSlide& slide : deck) text += SlideLine(slide, columns);
    return text;
}
