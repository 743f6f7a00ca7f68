// What the desktop makes of each deck folder given: one JSON line each, the
// problems that keep it from playing or the slides it plays. The browser
// test holds the page to the same outcomes.
#include <QGuiApplication>
#include <cstdio>

#include "deck_check.h"
#include "json_out.h"
#include "qt_image_source.h"

namespace {

std::string Outcome(const std::filesystem::path& folder) {
    QtImageSource images;
    OpenedDeck opened = OpenDeckFolder(folder, images);
    JsonOut json;
    json.Open('{').Key("deck").Value(folder.filename().string());
    json.Key(opened.problems.empty() ? "slides" : "problems").Open('[');
    for (const std::string& problem : opened.problems) json.Value(problem);
    for (const Slide& slide : opened.slides) {
        json.Open('{').Key("picture").Value(slide.picture).Key("text").Value(slide.SlideText);
        json.Key("x").Value(slide.TargetX).Key("y").Value(slide.TargetY);
        json.Key("width").Value(slide.AreaWidth).Key("height").Value(slide.AreaHeight);
        json.Key("zoom").Value(slide.zoom).Close('}');
    }
    return json.Close(']').Close('}').Text();
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);  // for the picture decoders
    for (int i = 1; i < argc; ++i) std::printf("%s\n", Outcome(argv[i]).c_str());
    return 0;
}
