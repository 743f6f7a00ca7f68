#include <QString>
#include <algorithm>
#include <array>
#include <cmath>

#include "draw_kit.h"
#include "orvane_layout.h"
#include "orvane_parts.h"
#include "plot_kit.h"

namespace orvane {

namespace {

using kit::Look;
using kit::Span;
namespace colour = kit::colour;

struct Experiment {
    const char* name;
    const char* kind;
};

const std::array kExperiments{Experiment{"Proton", "1D"},   Experiment{"Carbon", "1D"},
                              Experiment{"Fluorine", "1D"}, Experiment{"Phosphorus", "1D"},
                              Experiment{"PRESAT", "1D"},   Experiment{"DEPT", "1D"},
                              Experiment{"gCOSY", "2D"},    Experiment{"gHSQC", "2D"},
                              Experiment{"gHMBC", "2D"},    Experiment{"NOESY", "2D"}};
constexpr int kFirstExperimentTop = 121;
constexpr int kExperimentPitch = 21;

enum class Step { kWaiting, kRunning, kFinished };

struct QueueRow {
    int indent;
    const char* caption;
};

// The study and its three steps; the last is the experiment the student queued.
const std::array kQueueRows{QueueRow{8, "Study 0012"}, QueueRow{20, "Lock, find Z0"},
                            QueueRow{20, "Gradient shim"}, QueueRow{20, "Proton_001"}};
constexpr int kFirstRowTop = 375;
constexpr int kRowPitch = 20;

// How far the three steps have come in each queue state.
struct Progress {
    int finished;
    bool nextRunning;
};

Progress ProgressOf(Queue queue) {
    switch (queue) {
        case Queue::kLocking:
            return {0, true};
        case Queue::kShimming:
            return {1, true};
        case Queue::kAcquiring:
            return {2, true};
        case Queue::kDone:
            return {3, false};
        default:
            return {0, false};
    }
}

Step StepState(Queue queue, int step) {
    const Progress progress = ProgressOf(queue);
    if (step < progress.finished) return Step::kFinished;
    return progress.nextRunning && step == progress.finished ? Step::kRunning : Step::kWaiting;
}

// A small sketch of a spectrum as the experiment's icon.
void ExperimentIcon(QPainter& p, const QRect& r, int seed, bool enabled) {
    kit::Plot plot{r, {0, 1}, {0, 1}};
    auto peaks = [seed](double u) {
        return 0.1 + 0.8 * std::max(0.0, 1 - std::abs(u - 0.3 - 0.1 * (seed % 3)) * 12) +
               0.5 * std::max(0.0, 1 - std::abs(u - 0.75) * 14);
    };
    kit::Trace(p, plot, peaks, enabled ? colour::kTrace : colour::kBorder, 1.0);
}

void DrawSelector(QPainter& p, bool enabled) {
    kit::Panel(p, layout::kSelector, "Experiment Selector");
    for (std::size_t i = 0; i < kExperiments.size(); ++i) {
        const int top = kFirstExperimentTop + kExperimentPitch * static_cast<int>(i);
        ExperimentIcon(p, QRect(12, top + 2, 26, 14), static_cast<int>(i), enabled);
        kit::Button(p, Span(44, top, 134, top + 17), kExperiments[i].name,
                    enabled ? Look::kPlain : Look::kDisabled);
        kit::Text(p, Span(140, top, 186, top + 17), kExperiments[i].kind, Qt::AlignCenter,
                  kit::Ui(10), colour::kMuted);
    }
}

void StepIcon(QPainter& p, QPoint centre, Step step) {
    const QColor fill = step == Step::kFinished  ? colour::kAccent
                        : step == Step::kRunning ? QColor(46, 160, 67)
                                                 : colour::kBorder;
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(QPointF(centre) + QPointF(0.5, 0.5), 4.5, 4.5);
}

void DrawStudyRows(QPainter& p, Queue queue) {
    const int rows = queue == Queue::kNewStudy ? 1 : static_cast<int>(kQueueRows.size());
    for (int i = 0; i < rows; ++i) {
        const QueueRow& row = kQueueRows[static_cast<std::size_t>(i)];
        const QRect line(2, kFirstRowTop + kRowPitch * i, 193, 19);
        const bool picked = queue == Queue::kSelected && i == rows - 1;
        if (picked) p.fillRect(line, colour::kAccentPale);
        if (i == 0) {
            kit::Text(p, line.adjusted(row.indent, 0, 0, 0), QString("\u25be  ") + row.caption,
                      Qt::AlignLeft | Qt::AlignVCenter, kit::Ui(12, true));
            continue;
        }
        StepIcon(p, QPoint(row.indent + 4, line.center().y()), StepState(queue, i - 1));
        kit::Text(p, line.adjusted(row.indent + 14, 0, 0, 0), row.caption,
                  Qt::AlignLeft | Qt::AlignVCenter, kit::Ui(12, picked));
    }
}

void DrawWelcomeQueue(QPainter& p) {
    kit::Text(p, Span(10, 372, 190, 430),
              "No study is open.\nStart a new study to\nqueue experiments.",
              Qt::AlignLeft | Qt::AlignTop, kit::Ui(12), colour::kMuted);
    kit::Button(p, Span(8, 570, 90, 587), "Continue");
    kit::Button(p, Span(96, 570, 184, 587), "New Study", Look::kAccent);
}

void DrawStudyQueue(QPainter& p, Queue queue) {
    DrawStudyRows(p, queue);
    const bool waiting = queue == Queue::kPending || queue == Queue::kSelected;
    const char* summary = queue == Queue::kNewStudy ? "No experiments yet"
                          : waiting                 ? "1 experiment, about 2 min"
                                                    : "Submitted";
    kit::Text(p, Span(10, 556, 190, 572), summary, Qt::AlignLeft | Qt::AlignVCenter, kit::Ui(11),
              colour::kMuted);
    kit::Button(p, Span(8, 580, 84, 597), "Clear", waiting ? Look::kPlain : Look::kDisabled);
    kit::Button(p, Span(92, 580, 176, 597), "Submit", waiting ? Look::kAccent : Look::kDisabled);
}

}  // namespace

void DrawLeftColumn(QPainter& p, const Slide& slide) {
    p.fillRect(Span(0, 92, 197, 635), colour::kPage);
    const bool welcome = slide.queue == Queue::kWelcome;
    DrawSelector(p, !welcome);
    kit::Panel(p, layout::kQueue, "Study Queue");
    if (welcome) {
        DrawWelcomeQueue(p);
    } else {
        DrawStudyQueue(p, slide.queue);
    }
}

}  // namespace orvane
