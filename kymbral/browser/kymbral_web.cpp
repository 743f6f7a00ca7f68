// Kymbral in the browser: the main window's controls served to the page,
// which shows them over the console picture and sends back its events.
#include <emscripten.h>

#include "fingerprint.h"
#include "form_activate.h"
#include "form_load.h"
#include "main_form_access.h"
#include "main_form_events.h"
#include "main_form_layout.h"
#include "main_form_view.h"
#include "page.h"
#include "page_reports.h"
#include "web_exports.h"
#include "web_services.h"

namespace {

struct KymbralPage {
    WebForm form{kymbral::kFormCaption, kymbral::kFormWidth, kymbral::kFormHeight};
    PageClock clock;
    WebMessageBoxes messages{form};
    WebWaiter waiter{form};
    PageReports reports{page::Report};
    Kymbral kymbral{clock, messages, waiter, reports};

    KymbralPage() {
        kymbral.form = MakeMainForm();
        AddMainFormControls(form, kymbral.form);
        BindMainFormEvents(form, kymbral);
        DescribeMainForm(form, kymbral.form);
        form.SetClock([this] { return clock.Now(); });
    }
};

}  // namespace

// Runs start-up, shows the window and activates it once.
extern "C" EMSCRIPTEN_KEEPALIVE void web_start() {
    static KymbralPage program;
    // Inside a learning platform no two students get the same games to pass
    // each other the answers of; elsewhere every run has the one sequence.
    if (std::optional<std::string> learner = page::LearnerId()) {
        program.kymbral.random.Restart(Fingerprint().Add(*learner).Value());
    }
    ServeForm(program.form);
    Form_Load(program.kymbral);
    program.form.Publish();
    program.form.Dispatch([] { Form_Activate(program.kymbral); });
    program.form.Pump();
}
