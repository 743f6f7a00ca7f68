// The real window under the offscreen platform: a knob release, or a key on a
// focused knob, until the window is repainted, and one clock tick with its
// repaint near the start and the end of a scan.
#include <benchmark/benchmark.h>
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

#include "fake_clock.h"
#include "kymbral_window.h"
#include "recording_messages.h"
#include "timer_tick.h"

namespace {

void Repaint() {
    QApplication::processEvents();
}

void Release(QWidget* widget, Qt::MouseButton button) {
    QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, centre, widget->mapToGlobal(centre), button, button,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, widget->mapToGlobal(centre), button,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

}  // namespace

static void BM_KnobReleaseToPaint(benchmark::State& bench) {
    FakeClock clock(100);
    RecordingMessages messages;
    KymbralWindow window(clock, &messages);
    window.Open();
    Repaint();
    auto* knob = window.view.findChild<QPushButton*>("KeyIn0");
    bool up = true;
    for (auto _ : bench) {
        Release(knob, up ? Qt::RightButton : Qt::LeftButton);
        up = !up;
        Repaint();
    }
}
BENCHMARK(BM_KnobReleaseToPaint)->Unit(benchmark::kMicrosecond);

// Up and Down in turn on the knob that has the keyboard's focus (its ring shown).
static void BM_KnobKeyToPaint(benchmark::State& bench) {
    FakeClock clock(100);
    RecordingMessages messages;
    KymbralWindow window(clock, &messages);
    window.Open();
    QApplication::setActiveWindow(&window.view);
    Repaint();
    auto* knob = window.view.findChild<QPushButton*>("KeyIn0");
    knob->setFocus(Qt::TabFocusReason);
    bool up = true;
    for (auto _ : bench) {
        QKeyEvent press(QEvent::KeyPress, up ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, up ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(knob, &press);
        QApplication::sendEvent(knob, &release);
        up = !up;
        Repaint();
    }
}
BENCHMARK(BM_KnobKeyToPaint)->Unit(benchmark::kMicrosecond);

// The plot holds what a scan has drawn by the given time: every 100 ticks the
// scan is started again and replayed to that point, outside the timing.
// With a second argument of 1, as if a screen reader listened: what changed
// is told to it after every tick (news of the labels paced to once a second).
static void BM_TickWithRepaint(benchmark::State& bench) {
    FakeClock clock(100);
    RecordingMessages messages;
    KymbralWindow window(clock, &messages);
    QAccessible::setActive(bench.range(1) != 0);
    window.Open();
    Repaint();
    Kymbral& k = window.model();
    auto tick = [&] { window.view.Dispatch([&] { Timer1_Timer(k); }); };
    const int ticksBefore = static_cast<int>(bench.range(0)) / 10;
    auto replayScan = [&] {
        k.state.ScanElapsed = 1000;  // the next tick starts a scan
        tick();
        const float scanStart = clock.Now();
        for (int i = 1; i <= ticksBefore; ++i) {
            clock.Set(scanStart + i * 0.01f);
            tick();
        }
        Repaint();
    };
    replayScan();
    int sinceReplay = 0;
    for (auto _ : bench) {
        tick();
        Repaint();
        if (++sinceReplay < 100) continue;
        bench.PauseTiming();
        replayScan();
        sinceReplay = 0;
        bench.ResumeTiming();
    }
    bench.counters["fid_points"] = static_cast<double>(k.form.PlotFID.strokes.size());
    QAccessible::setActive(false);
}
BENCHMARK(BM_TickWithRepaint)
    ->Args({100, 0})
    ->Args({29900, 0})
    ->Args({100, 1})
    ->ArgNames({"ms_into_scan", "listening"})
    ->Iterations(2000)
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
