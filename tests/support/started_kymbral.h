#pragma once

#include "fake_clock.h"
#include "form_activate.h"
#include "form_load.h"
#include "main_form_layout.h"
#include "recording_messages.h"

// The simulator as the window opens it: laid out, loaded and activated once.
struct StartedKymbral {
    FakeClock clock{100.0f};  // early in the day, where a float clock is fine-grained
    RecordingMessages messages;
    Kymbral k{clock, messages};

    StartedKymbral() {
        k.form = MakeMainForm();
        Form_Load(k);
        Form_Activate(k);
    }
};
