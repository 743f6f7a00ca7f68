#pragma once

#include "clock.h"
#include "main_form.h"
#include "message_boxes.h"
#include "random_source.h"
#include "reports.h"
#include "simulator_state.h"
#include "waiter.h"

// The title of the program's window and of its message boxes.
namespace kymbral {
inline constexpr char kProgramName[] = "Kymbral";
}  // namespace kymbral

// The whole simulator: its state, its window's controls and the services the
// handlers use. Every handler takes it by reference.
struct Kymbral {
    Kymbral(Clock& clock, MessageBoxes& messages, Waiter& waiter, Reports& reports)
        : clock(clock), messages(messages), waiter(waiter), reports(reports) {}

    SimulatorState state;
    MainForm form;
    Clock& clock;
    MessageBoxes& messages;
    Waiter& waiter;
    Reports& reports;  // told of each answered game and each unknown sample shown again
    RandomSource random;
};
