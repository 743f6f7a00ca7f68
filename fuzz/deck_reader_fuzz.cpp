// Any bytes as a deck file: reading and checking never crash, tell at most ten
// problems, and a deck that reads writes back as the same deck.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "deck_check.h"
#include "fake_image_source.h"

namespace {

void Require(bool holds, const char* what, std::string_view text) {
    if (holds) return;
    std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    DeckReading reading = ReadDeck(input);
    Require(reading.problems.size() <= kMostProblems, "more than ten problems", input);
    Require(reading.deck.size() == reading.lines.size(), "a slide without its line", input);
    if (!reading.deck.empty()) {
        DeckReading again = ReadDeck(WriteDeck(reading.deck));
        Require(again.problems.empty() && again.deck == reading.deck, "does not write back", input);
    }

    // Every picture there, one of them far larger than the window.
    FakeImageSource images;
    for (const DeckSlide& slide : reading.deck) images.files.insert("/deck/" + slide.picture);
    if (!reading.deck.empty()) images.sizes["/deck/" + reading.deck[0].picture] = {99999, 7};
    OpenedDeck opened = OpenDeck(input, "/deck", images);
    Require(opened.problems.size() <= kMostProblems, "more than ten problems", input);
    for (const Slide& slide : opened.slides) {
        Require(std::isfinite(slide.TargetX) && std::isfinite(slide.TargetY) && slide.zoom > 0,
                "a target off any place", input);
    }
    return 0;
}
