#pragma once

#include <functional>

#include "announcements.h"
#include "json_out.h"

// What assistive technology is told, as the page reads it: "told", the
// facts of the controls whose facts changed, with the keys each takes
// besides its kind's ("knob", "pointer" or ""); "say", the read-outs due
// now; "sayIn", the seconds until the next one that waits.
void WriteTold(JsonOut& out, const Announcements::Update& update, const Announcements& told,
               const std::function<const char*(int id)>& keysTaken);
