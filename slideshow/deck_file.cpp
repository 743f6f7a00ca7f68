#include <charconv>
#include <optional>

#include "csv.h"
#include "deck.h"

namespace {

const std::vector<std::string> kHeader = {"picture", "text", "left", "top", "width", "height"};
// Larger than any screen, small enough that sums of two never overflow.
constexpr int kLargestNumber = 100000;

enum Column { kPicture, kText, kLeft, kTop, kWidth, kHeight, kColumns };

// Digits alone, blanks around them allowed; a number too large for an int
// reads as one too large for a picture.
std::optional<int> WholeNumber(std::string_view text) {
    while (text.starts_with(' ')) text.remove_prefix(1);
    while (text.ends_with(' ')) text.remove_suffix(1);
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
    for (char& c : written) {
        if (c == '\r') c = '\n';
    }
    return written;
}

bool Blank(const CsvRecord& record) {
    for (const std::string& field : record.fields) {
        if (!field.empty()) return false;
    }
    return record.problem.empty();
}

struct Bound {
    Column column;
    int least;
    const char* rule;
};
constexpr Bound kBounds[] = {
    {kLeft, 0, " must be a whole number of 0 or more"},
    {kTop, 0, " must be a whole number of 0 or more"},
    {kWidth, 1, " must be a whole number greater than 0"},
    {kHeight, 1, " must be a whole number greater than 0"},
};

std::optional<DeckSlide> ReadSlide(const CsvRecord& record, std::vector<std::string>& problems) {
    if (!record.problem.empty()) {
        AddProblem(problems, record.line, record.problem);
        return std::nullopt;
    }
    const auto& fields = record.fields;
    if (fields.size() != kColumns) {
        AddProblem(problems, record.line,
                   "expected 6 fields (picture, text, left, top, width, height), found " +
                       std::to_string(fields.size()));
        return std::nullopt;
    }
    bool good = PlainFileName(fields[kPicture]);
    if (!good)
        AddProblem(problems, record.line, "picture must be a file name in the deck's folder");
    int numbers[kColumns] = {};
    for (const Bound& bound : kBounds) {
        auto value = WholeNumber(fields[bound.column]);
        bool fits = value && *value >= bound.least && *value <= kLargestNumber;
        if (fits) {
            numbers[bound.column] = *value;
            continue;
        }
        good = false;
        bool tooLarge = value && *value > kLargestNumber;
        AddProblem(
            problems, record.line,
            kHeader[bound.column] +
                (tooLarge ? " must be at most " + std::to_string(kLargestNumber) : bound.rule));
    }
    if (!good) return std::nullopt;
    return DeckSlide{fields[kPicture],
                     ShowLineBreaks(fields[kText]),
                     {numbers[kLeft], numbers[kTop], numbers[kWidth], numbers[kHeight]}};
}

}  // namespace

bool PlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (unsigned char c : name) {
        if (c < 32 || c == '/' || c == '\\' || c == ':') return false;
    }
    return true;
}

void AddProblem(std::vector<std::string>& problems, int line, const std::string& what) {
    if (problems.size() >= kMostProblems) return;
    problems.push_back(std::string(kDeckFileName) + " line " + std::to_string(line) + ": " + what);
}

int ProblemLine(const std::string& problem) {
    const std::string prefix = std::string(kDeckFileName) + " line ";
    if (!problem.starts_with(prefix)) return 0;
    return std::atoi(problem.c_str() + prefix.size());
}

DeckReading ReadDeck(std::string_view text) {
    DeckReading reading;
    bool header = true;
    for (const CsvRecord& record : ParseCsv(text)) {
        if (Blank(record)) continue;
        if (header) {
            header = false;
            bool slideFirst = record.fields.size() > kLeft && WholeNumber(record.fields[kLeft]);
            if (slideFirst) AddProblem(reading.problems, record.line, "the header row is missing");
            continue;
        }
        if (auto slide = ReadSlide(record, reading.problems)) {
            reading.deck.push_back(std::move(*slide));
            reading.lines.push_back(record.line);
        }
    }
    return reading;
}

std::string WriteDeck(const Deck& deck) {
    std::string text = "\xEF\xBB\xBF" + CsvLine(kHeader);
    for (const DeckSlide& slide : deck) {
        const TargetRect& t = slide.target;
        text += CsvLine({slide.picture, FileLineBreaks(slide.text), std::to_string(t.left),
                         std::to_string(t.top), std::to_string(t.width), std::to_string(t.height)});
    }
    return text;
}
