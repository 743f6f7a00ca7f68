#include <QTimer>

#include "desktop_driver.h"
#include "fake_clock.h"
#include "kymbral_window.h"
#include "main_form_layout.h"
#include "main_form_view.h"
#include "web_form.h"

Driven DriveKymbral(SnappingMessages& messages) {
    struct Window {
        FakeClock clock{static_cast<float>(kStartOfDay)};
        KymbralWindow window;
        explicit Window(SnappingMessages& messages) : window(clock, &messages) {}
    };
    auto held = std::make_shared<Window>(messages);
    MainForm& form = held->window.model().form;
    Driven driven;
    driven.window = held;
    driven.view = &held->window.view;
    AddMainFormControls(driven.places, form);
    driven.models = [&form] {
        WebForm described(kymbral::kFormCaption, kymbral::kFormWidth, kymbral::kFormHeight);
        AddMainFormControls(described, form);
        return described.Changes();
    };
    driven.tick = [held = held.get(), ticks = 0](int count) mutable {
        QTimer* timer = nullptr;
        for (QTimer* each : held->window.view.findChildren<QTimer*>()) {
            if (each->interval() == 10) timer = each;
        }
        for (int i = 0; i < count; ++i) {
            // The page's fake clock reckons from its start, not by adding steps up.
            held->clock.Set(static_cast<float>(kStartOfDay + (10.0 * ++ticks) / 1000));
            if (timer->isActive()) QMetaObject::invokeMethod(timer, "timeout");
        }
    };
    held->window.Open();
    return driven;
}
