#include "resume_text.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "resume_fields.h"

namespace {

// Fields: tag, deck key, slide, penalty, clue level, then one list each of
// the slides' wrong clicks, tenths of seconds, costs and passes (1 or 0).
constexpr char kTag[] = "T2";
constexpr char kField = kResumeField;
constexpr char kItem = kResumeItem;
constexpr std::size_t kFieldCount = 9;

template <class Number>
void Join(std::string& text, const std::vector<SlideRecord>& slides, Number number) {
    text += kField;
    for (std::size_t i = 0; i < slides.size(); ++i) {
        if (i > 0) text += kItem;
        text += std::to_string(number(slides[i]));
    }
}

}  // namespace

std::string ResumeText(const ShowPosition& position, std::string_view deckKey) {
    std::string text = kTag;
    text += kField;
    text += deckKey;
    for (std::int64_t number :
         {std::int64_t{position.slide}, position.penalty, position.clueLevel}) {
        text += kField + std::to_string(number);
    }
    Join(text, position.slides, [](const SlideRecord& s) { return s.wrongClicks; });
    Join(text, position.slides, [](const SlideRecord& s) { return std::llround(s.seconds * 10); });
    Join(text, position.slides, [](const SlideRecord& s) { return s.cost; });
    Join(text, position.slides, [](const SlideRecord& s) { return s.passed ? 1 : 0; });
    return text;
}

// The penalty is the sum of the slides' costs; text where they disagree was
// damaged on its way.
std::optional<ShowPosition> ReadResume(std::string_view text, std::string_view deckKey,
                                       std::size_t slideCount) {
    std::vector<std::string_view> fields = Split(text, kField);
    if (fields.size() != kFieldCount || fields[0] != kTag || fields[1] != deckKey) {
        return std::nullopt;
    }
    std::optional<std::int64_t> slide = Count(fields[2]);
    std::optional<std::int64_t> penalty = Count(fields[3]);
    std::optional<std::int64_t> clueLevel = Count(fields[4]);
    auto wrong = Counts(fields[5], slideCount);
    auto tenths = Counts(fields[6], slideCount);
    auto costs = Counts(fields[7], slideCount);
    auto passes = Counts(fields[8], slideCount, 1);
    if (!slide || *slide >= static_cast<std::int64_t>(slideCount) || !penalty || !clueLevel ||
        !wrong || !tenths || !costs || !passes) {
        return std::nullopt;
    }
    ShowPosition position{static_cast<int>(*slide), *penalty, *clueLevel, {}};
    std::int64_t costSum = 0;
    for (std::size_t i = 0; i < slideCount; ++i) {
        position.slides.push_back(
            {(*wrong)[i], (*costs)[i], static_cast<double>((*tenths)[i]) / 10, (*passes)[i] == 1});
        costSum += (*costs)[i];
    }
    if (costSum != *penalty) return std::nullopt;
    return position;
}
