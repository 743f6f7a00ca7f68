// A deck of 200 screenshots of 1920 x 1080 pixels, larger than the window:
// the time to check it whole and open its show to the first paint, then the
// time of each move to the next slide, from the correct click to the repaint,
// offscreen. The pictures are drawn first, outside the timing.
// `deck_open SLIDES PICTURES` makes a deck of SLIDES rows over PICTURES
// screenshots, shown in turn (1000 10: a deck that repeats its pictures).
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <vector>

#include "deck_check.h"
#include "qt_image_source.h"
#include "tessivar_window.h"

namespace {

using WallClock = std::chrono::steady_clock;

double Ms(WallClock::duration elapsed) {
    return std::chrono::duration<double, std::milli>(elapsed).count();
}

// On a shared machine the wall clock also counts other programs' turns; the
// process's own CPU time does not.
double CpuMs(std::clock_t from) {
    return 1000.0 * static_cast<double>(std::clock() - from) / CLOCKS_PER_SEC;
}

// A busy console-like picture, so that the JPEG decoder has real work.
QImage Screenshot(int slide) {
    QImage image(1920, 1080, QImage::Format_RGB32);
    image.fill(QColor(236, 236, 236));
    QPainter painter(&image);
    for (int row = 0; row < 54; ++row) {
        painter.fillRect(0, row * 20, 1920, 10, QColor(200 + row % 40, 210, 230));
        painter.drawText(
            20 + (row * 37 + slide * 11) % 300, row * 20 + 15,
            QString("Slide %1, row %2: lock 53.22, z0 %3").arg(slide).arg(row).arg(row * slide));
    }
    painter.setPen(QPen(Qt::darkBlue, 2));
    for (int x = 0; x < 1920; x += 4) painter.drawLine(x, 800 + (x * slide) % 200, x + 4, 900);
    return image;
}

void Release(QWidget* widget, QPointF at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int slides = argc > 1 ? std::atoi(argv[1]) : 200;
    const int pictures = std::clamp(argc > 2 ? std::atoi(argv[2]) : slides, 1, slides);
    QTemporaryDir dir;
    std::filesystem::path folder = dir.path().toStdString();
    auto name = [](int picture) { return "Screen-" + std::to_string(picture) + ".jpg"; };
    for (int i = 0; i < pictures; ++i) {
        Screenshot(i).save(QString::fromStdString((folder / name(i)).string()), "JPG", 90);
    }
    Deck deck;
    for (int i = 0; i < slides; ++i) {
        deck.push_back({name(i % pictures), "Click the button", {800 + i % 500, 500, 200, 40}});
    }
    std::ofstream(folder / kDeckFileName, std::ios::binary) << WriteDeck(deck);

    auto start = WallClock::now();
    std::clock_t startCpu = std::clock();
    QtImageSource images;
    OpenedDeck opened = OpenDeckFolder(folder, images);
    if (!opened.problems.empty()) {
        std::fprintf(stderr, "%s\n", ProblemsText(opened.problems).c_str());
        return 1;
    }
    auto checked = WallClock::now();
    double checkedCpu = CpuMs(startCpu);
    TessivarWindow window(
        nullptr, [folder] { return folder; }, opened.slides);
    window.Open();
    QWidget* picture = window.view.findChild<QWidget*>("Picture1");
    QApplication::processEvents();
    picture->repaint();
    auto shown = WallClock::now();
    std::printf(
        "%d slides over %d pictures of 1920 x 1080: checked in %.0f ms (%.0f ms CPU), open at the "
        "first slide in %.0f ms (%.0f ms CPU)\n",
        slides, pictures, Ms(checked - start), checkedCpu, Ms(shown - start), CpuMs(startCpu));

    std::vector<double> moves, movesCpu;
    SlideShow& show = window.model();
    for (int i = 0; i + 1 < slides; ++i) {
        const Slide& slide = show.slides[show.SlideIndex];
        QPointF target(slide.TargetX / kTwipsPerPixel - 2, slide.TargetY / kTwipsPerPixel - 2);
        auto before = WallClock::now();
        std::clock_t beforeCpu = std::clock();
        Release(picture, target);
        QApplication::processEvents();
        picture->repaint();
        moves.push_back(Ms(WallClock::now() - before));
        movesCpu.push_back(CpuMs(beforeCpu));
    }
    for (auto* figures : {&moves, &movesCpu}) {
        std::sort(figures->begin(), figures->end());
        std::printf(
            "next slide, click to repaint%s: median %.1f ms, 95th percentile %.1f ms, most "
            "%.1f ms\n",
            figures == &moves ? "" : " (CPU)", (*figures)[figures->size() / 2],
            (*figures)[figures->size() * 95 / 100], figures->back());
    }
    return 0;
}
