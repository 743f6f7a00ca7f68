#include "deck_check.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>

#include "covered_areas.h"
#include "picture_formats.h"
#include "slide_table.h"

namespace {

std::string Pixels(PictureSize size) {
    return std::to_string(size.width) + " x " + std::to_string(size.height) + " pixels";
}

// A picture's size, or what is wrong with it.
struct PictureCheck {
    std::optional<PictureSize> size;
    std::string problem;
};

// A name that a spreadsheet cell left blanks around is a common slip: say so
// when the file without them is there.
std::string Missing(const std::string& picture, const std::filesystem::path& folder,
                    ImageSource& images) {
    std::string problem = "picture " + Quoted(picture) + " is missing";
    std::string_view trimmed = WithoutBlanks(picture);
    if (trimmed != picture && !trimmed.empty() && images.Exists((folder / trimmed).string())) {
        problem += " (there is a picture " + Quoted(trimmed) + ", without the blanks)";
    }
    return problem;
}

PictureCheck CheckPicture(const std::string& picture, const std::filesystem::path& folder,
                          ImageSource& images) {
    std::string path = (folder / picture).string();
    std::optional<PictureSize> size = images.CanLoad(path) ? images.Size(path) : std::nullopt;
    if (size) return {size, ""};
    if (!images.Exists(path)) return {std::nullopt, Missing(picture, folder, images)};
    return {std::nullopt, DamagedPicture(picture)};
}

// The slide as shown, or what keeps its target from being clicked.
std::optional<std::string> TargetProblem(const TargetRect& t, PictureSize size) {
    if (t.left + t.width > size.width || t.top + t.height > size.height) {
        return "the target reaches beyond the picture (" + Pixels(size) + ")";
    }
    if (std::optional<std::string_view> text = CoveringText(t, size)) {
        return "the target lies under " + std::string(*text) +
               ", which takes the clicks there: students cannot click it";
    }
    return std::nullopt;
}

// The deck's pictures, each checked when a slide first shows it.
class PictureChecks {
  public:
    PictureChecks(const Deck& deck, const std::filesystem::path& folder, ImageSource& images,
                  const CheckProgress& progress)
        : folder_(folder), images_(images), progress_(progress) {
        for (const DeckSlide& slide : deck) checks_.emplace(slide.picture, std::nullopt);
        Tell();
    }
    // The check is over, whether or not it needed every picture.
    ~PictureChecks() {
        done_ = checks_.size();
        Tell();
    }

    const PictureCheck& Of(const std::string& picture) {
        std::optional<PictureCheck>& check = checks_.at(picture);
        if (check) return *check;
        check = CheckPicture(picture, folder_, images_);
        ++done_;
        Tell();
        return *check;
    }

  private:
    void Tell() const {
        if (progress_) progress_(done_, checks_.size());
    }

    const std::filesystem::path& folder_;
    ImageSource& images_;
    const CheckProgress& progress_;
    std::map<std::string, std::optional<PictureCheck>> checks_;
    std::size_t done_ = 0;
};

}  // namespace

std::string DamagedPicture(const std::string& picture) {
    return "picture " + Quoted(picture) + " is damaged or is not a whole " + PictureFormatNames() +
           " picture";
}

OpenedDeck CheckDeck(const Deck& deck, const std::vector<std::string>& places,
                     const std::filesystem::path& folder, ImageSource& images,
                     const CheckProgress& progress) {
    OpenedDeck opened;
    PictureChecks pictures(deck, folder, images, progress);
    for (std::size_t i = 0; i < deck.size(); ++i) {
        // Pictures are slow to check: once the message is full, stop.
        if (opened.problems.size() >= kMostProblems) break;
        const PictureCheck& picture = pictures.Of(deck[i].picture);
        std::optional<std::string> problem =
            picture.size ? TargetProblem(deck[i].target, *picture.size) : picture.problem;
        if (problem) {
            AddProblem(opened.problems, places[i], *problem);
        } else {
            double zoom = FitZoom(picture.size->width, picture.size->height);
            opened.slides.push_back(ShownSlide(deck[i], zoom));
        }
    }
    if (!opened.problems.empty()) opened.slides.clear();
    return opened;
}

OpenedDeck OpenDeck(std::string_view deckBytes, const std::filesystem::path& folder,
                    ImageSource& images, const CheckProgress& progress) {
    DeckReading reading = ReadDeck(deckBytes);
    std::vector<std::string> places;
    for (int line : reading.lines) places.push_back(DeckLine(line));
    OpenedDeck opened = CheckDeck(reading.deck, places, folder, images, progress);
    // The rows' problems and the pictures', in the order of their lines.
    opened.problems.insert(opened.problems.begin(), reading.problems.begin(),
                           reading.problems.end());
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
                          const FileReader& read, const CheckProgress& progress) {
    std::optional<std::string> text = read(folder / kDeckFileName);
    if (!text) return {{}, {(folder / kDeckFileName).string() + " cannot be read"}};
    return OpenDeck(*text, folder, images, progress);
}

std::string ProblemsText(const std::vector<std::string>& problems) {
    std::string text;
    for (const std::string& problem : problems) {
        if (!text.empty()) text += LineBreak;
        text += problem;
    }
    return text;
}
