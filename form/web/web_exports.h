#pragma once

#include "web_form.h"

// The form the page talks to through the module's exports (web_post,
// web_pump); each program serves its one window.
void ServeForm(WebForm& form);
