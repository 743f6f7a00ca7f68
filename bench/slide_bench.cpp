// The cost of showing a slide, which reads its screenshot from disk every
// time: the read alone, and a wrong click through the real window (offscreen),
// read, checked, drawn and repainted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>

#include "recording_messages.h"
#include "slide_display.h"
#include "tessivar_window.h"
#include "whole_image.h"

namespace {

const std::filesystem::path kBuildDir =
    std::filesystem::path(TESSIVAR_SCREENSHOT_DIR).parent_path();

void ReadScreenshot(benchmark::State& state) {
    QString path = QString::fromStdString(ScreenshotPath(kBuildDir, 7).string());
    for (auto _ : state) benchmark::DoNotOptimize(ReadWholeImage(path));
}
BENCHMARK(ReadScreenshot)->Unit(benchmark::kMillisecond);

void WrongClickRedisplay(benchmark::State& state) {
    RecordingMessages messages;
    TessivarWindow window{&messages, [] { return kBuildDir; }};
    window.Open();
    QApplication::processEvents();
    auto& picture = *window.view.findChild<QWidget*>("Picture1");
    for (auto _ : state) {
        QTest::mouseClick(&picture, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        picture.repaint();
    }
    if (window.model().exitCode != 0) state.SkipWithError("a screenshot failed to load");
}
BENCHMARK(WrongClickRedisplay)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
