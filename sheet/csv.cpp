#include "csv.h"

namespace {

// Reads the records one character at a time; `at` never moves backwards, so
// any input ends.
class CsvParser {
  public:
    CsvParser(std::string_view text, char separator) : text_(text), separator_(separator) {}

    std::vector<CsvRecord> Records() {
        std::vector<CsvRecord> records;
        while (!AtEnd()) records.push_back(Record());
        return records;
    }

    CsvRecord FirstFilled() {
        while (!AtEnd()) {
            CsvRecord record = Record();
            if (!IsBlank(record)) return record;
        }
        return {};
    }

  private:
    bool AtEnd() const { return at_ >= text_.size(); }
    char Peek() const { return text_[at_]; }

    // One line break of any kind; true when there was one.
    bool TakeLineBreak() {
        if (AtEnd() || (Peek() != '\r' && Peek() != '\n')) return false;
        if (Peek() == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n') ++at_;
        ++at_;
        ++line_;
        return true;
    }

    CsvRecord Record() {
        CsvRecord record;
        record.line = line_;
        std::size_t start = at_;
        for (;;) {
            record.fields.push_back(Field(record));
            if (AtEnd() || Peek() != separator_) break;
            ++at_;
        }
        if (!AtEnd() && Peek() != '\r' && Peek() != '\n') {
            if (record.problem.empty()) record.problem = "text after a closing quote";
            while (!AtEnd() && Peek() != '\r' && Peek() != '\n') ++at_;
        }
        record.source = text_.substr(start, at_ - start);
        TakeLineBreak();
        return record;
    }

    std::string Field(CsvRecord& record) {
        if (!AtEnd() && Peek() == '"') return Quoted(record);
        std::size_t start = at_;
        while (!AtEnd() && Peek() != separator_ && Peek() != '\r' && Peek() != '\n') ++at_;
        return std::string(text_.substr(start, at_ - start));
    }

    std::string Quoted(CsvRecord& record) {
        std::string value;
        ++at_;
        while (!AtEnd()) {
            if (Peek() == '"') {
                if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
                    value += '"';
                    at_ += 2;
                    continue;
                }
                ++at_;
                return value;
            }
            std::size_t before = at_;
            if (TakeLineBreak()) {
                value.append(text_.substr(before, at_ - before));
            } else {
                value += text_[at_++];
            }
        }
        record.problem = "a quoted field is not closed";
        return value;
    }

    std::string_view text_;
    char separator_;
    std::size_t at_ = 0;
    int line_ = 1;
};

}  // namespace

std::vector<CsvRecord> ParseCsv(std::string_view text, char separator) {
    return CsvParser(text, separator).Records();
}

CsvRecord FirstFilledRecord(std::string_view text, char separator) {
    return CsvParser(text, separator).FirstFilled();
}

bool IsBlank(const CsvRecord& record) {
    for (const std::string& field : record.fields) {
        if (!field.empty()) return false;
    }
    return record.problem.empty();
}

std::string CsvField(std::string_view value) {
    bool quoted = value.find_first_of(",\"\r\n") != std::string_view::npos ||
                  value.starts_with(' ') || value.ends_with(' ');
    if (!quoted) return std::string(value);
    std::string field = "\"";
    for (char c : value) {
        if (c == '"') field += '"';
        field += c;
    }
    return field + '"';
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (const std::string& field : fields) {
        if (&field != &fields.front()) line += ',';
        line += CsvField(field);
    }
    return line + "\r\n";
}
