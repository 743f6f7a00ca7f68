#pragma once

#include <string>
#include <vector>

#include "fake_clock.h"
#include "fake_waiter.h"
#include "form_activate.h"
#include "form_load.h"
#include "main_form_layout.h"
#include "recording_messages.h"
#include "recording_reports.h"

// The simulator as the window opens it: laid out, loaded and activated once.
struct StartedKymbral {
    FakeClock clock{100.0f};  // early in the day, where a float clock is fine-grained
    RecordingMessages messages;
    FakeWaiter waiter{clock};
    RecordingReports reports;
    Kymbral k;

    // The games are reported to `listener`, or else recorded.
    explicit StartedKymbral(Reports* listener = nullptr)
        : k{clock, messages, waiter, listener ? *listener : reports} {
        k.form = MakeMainForm();
        Form_Load(k);
        Form_Activate(k);
    }

    std::vector<std::string> Labels() const {
        std::vector<std::string> captions;
        for (const Label& label : k.form.ShimLabel) captions.push_back(label.caption);
        return captions;
    }
};
