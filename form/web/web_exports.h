#pragma once

#include "web_form.h"

// The form the page talks to through the module's exports (web_post_click
// and the others of page_events.h, web_pump); each program serves its one window.
void ServeForm(WebForm& form);
