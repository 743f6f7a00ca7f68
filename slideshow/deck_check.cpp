#include "deck_check.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "slide_table.h"

namespace {

std::string Pixels(int width, int height) {
    return std::to_string(width) + " x " + std::to_string(height) + " pixels";
}

// The slide as shown, or nothing after adding what is wrong with its picture.
std::optional<Slide> CheckPicture(const DeckSlide& slide, int line,
                                  const std::filesystem::path& folder, ImageSource& images,
                                  std::vector<std::string>& problems) {
    std::string path = (folder / slide.picture).string();
    std::optional<PictureSize> size = images.CanLoad(path) ? images.Size(path) : std::nullopt;
    if (!size) {
        AddProblem(
            problems, line,
            "picture " + slide.picture + " is missing or is not a whole JPEG or PNG picture");
        return std::nullopt;
    }
    const TargetRect& t = slide.target;
    if (t.left + t.width > size->width || t.top + t.height > size->height) {
        AddProblem(
            problems, line,
            "the target reaches beyond the picture (" + Pixels(size->width, size->height) + ")");
        return std::nullopt;
    }
    return ShownSlide(slide, FitZoom(size->width, size->height));
}

}  // namespace

OpenedDeck OpenDeck(std::string_view deckText, const std::filesystem::path& folder,
                    ImageSource& images) {
    DeckReading reading = ReadDeck(deckText);
    OpenedDeck opened;
    std::vector<std::string> pictureProblems;
    for (std::size_t i = 0; i < reading.deck.size(); ++i) {
        // Pictures are slow to check: stop once the message is full of
        // problems on the lines before this one.
        auto before = [line = reading.lines[i]](const std::string& p) {
            return ProblemLine(p) < line;
        };
        if (std::count_if(reading.problems.begin(), reading.problems.end(), before) +
                pictureProblems.size() >=
            kMostProblems)
            break;
        auto slide =
            CheckPicture(reading.deck[i], reading.lines[i], folder, images, pictureProblems);
        if (slide) opened.slides.push_back(std::move(*slide));
    }
    // The rows' problems and the pictures', in the order of their lines.
    opened.problems = std::move(reading.problems);
    opened.problems.insert(opened.problems.end(), pictureProblems.begin(), pictureProblems.end());
    std::stable_sort(opened.problems.begin(), opened.problems.end(),
                     [](const auto& a, const auto& b) { return ProblemLine(a) < ProblemLine(b); });
    if (opened.problems.size() > kMostProblems) opened.problems.resize(kMostProblems);
    if (reading.deck.empty() && opened.problems.empty()) {
        opened.problems.push_back(std::string(kDeckFileName) + ": no slides");
    }
    if (!opened.problems.empty()) opened.slides.clear();
    return opened;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    if (!stream) return std::nullopt;
    return std::string{std::istreambuf_iterator<char>(stream), {}};
}

OpenedDeck OpenDeckFolder(const std::filesystem::path& folder, ImageSource& images,
                          const FileReader& read) {
    std::optional<std::string> text = read(folder / kDeckFileName);
    if (!text) return {{}, {(folder / kDeckFileName).string() + " cannot be read"}};
    return OpenDeck(*text, folder, images);
}

std::string ProblemsText(const std::vector<std::string>& problems) {
    std::string text;
    for (const std::string& problem : problems) {
        if (!text.empty()) text += LineBreak;
        text += problem;
    }
    return text;
}
