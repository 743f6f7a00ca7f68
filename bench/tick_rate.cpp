// Runs the real simulator window offscreen with the real clock, starts an
// acquisition and counts the ticks handled over a span of seconds (30 by
// default, or the first argument), with the process's CPU time.
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>

#include "acquisition_buttons.h"
#include "kymbral_window.h"
#include "recording_messages.h"
#include "steady_clock.h"
#include "timer_tick.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    double seconds = argc > 1 ? std::stod(argv[1]) : 30;
    SteadyClock clock;
    RecordingMessages messages;
    KymbralWindow window(clock, &messages);
    window.Open();
    Kymbral& k = window.model();

    long ticks = 0;
    window.view.SetAfterEvent([&] {
        if (k.form.Timer1.enabled) ++ticks;
    });
    std::clock_t cpuStart = 0;
    auto wallStart = std::chrono::steady_clock::now();
    QTimer::singleShot(500, [&] {
        window.view.Dispatch([&] { Restart_Click(k); });
        ticks = 0;
        cpuStart = std::clock();
        wallStart = std::chrono::steady_clock::now();
        QTimer::singleShot(static_cast<int>(seconds * 1000), [&] { app.quit(); });
    });
    app.exec();

    double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    double cpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    std::printf("ticks %ld in %.2f s: %.2f ticks/s, CPU %.2f %% of one core\n", ticks, wall,
                ticks / wall, 100 * cpu / wall);
    return 0;
}
