// Kymbral in the browser: the main window's controls served to the page,
// which shows them over the console picture and sends back its events; with
// an exercise set (?exercises=FILE), its panel beside the window.
#include <emscripten.h>

#include <memory>

#include "exercise_panel.h"
#include "fingerprint.h"
#include "form_activate.h"
#include "form_load.h"
#include "json_out.h"
#include "main_form_access.h"
#include "main_form_events.h"
#include "main_form_layout.h"
#include "main_form_view.h"
#include "page.h"
#include "page_reports.h"
#include "resume_fields.h"
#include "web_exports.h"
#include "web_services.h"

namespace {

struct KymbralPage {
    WebForm form{kymbral::kFormCaption, kymbral::kFormWidth, kymbral::kFormHeight};
    PageClock clock;
    WebMessageBoxes messages{form};
    WebWaiter waiter{form};
    PageReports reports{page::Report};
    // The games go to the set's run when there is one: its tasks are what
    // the platform hears of.
    std::unique_ptr<ExerciseRun> run;
    Kymbral kymbral;
    std::string panelShown;
    int panelRevision = -1;

    explicit KymbralPage(std::optional<ExerciseSet> set)
        : run(set ? std::make_unique<ExerciseRun>(std::move(*set), reports) : nullptr),
          kymbral{clock, messages, waiter, run ? static_cast<Reports&>(*run) : reports} {
        kymbral.form = MakeMainForm();
        AddMainFormControls(form, kymbral.form);
        BindMainFormEvents(form, kymbral);
        DescribeMainForm(form, kymbral);
        form.SetClock([this] { return clock.Now(); });
        if (run) form.SetAfterEvent([this] { ShowPanel(); });
    }

    // The panel's texts, when the run moved on and they changed, for the page
    // to show beside the window.
    void ShowPanel() {
        if (run->Revision() == panelRevision) return;
        panelRevision = run->Revision();
        ExercisePanel panel = PanelOf(*run);
        JsonOut out;
        out.Open('{').Key("heading").Value(panel.heading).Key("task").Value(panel.task);
        out.Key("timeLeft").Value(panel.timeLeft).Key("answers").Open('[');
        for (const std::string& label : panel.answers) out.Value(label);
        out.Close(']').Key("action").Value(panel.action).Key("verdict").Value(panel.verdict);
        out.Key("points").Value(panel.points).Close('}');
        if (out.Text() == panelShown) return;
        panelShown = out.Text();
        page::ShowPanel(panelShown);
    }
};

KymbralPage* program = nullptr;

// The set that the page's address names, read whole; nothing without one.
// False, after telling the student why, when it cannot be run.
bool ReadLinkedSet(std::optional<ExerciseSet>& set) {
    std::optional<std::string> name = page::AddressParameter("exercises");
    if (!name) return true;
    std::string why;
    if (std::optional<std::string> refused = ExercisesLinkProblem(*name)) {
        why = *refused;
    } else if (std::optional<std::string> bytes = page::FetchFile(*name)) {
        ExerciseReading reading = ReadExercises(*bytes);
        for (const std::string& problem : reading.problems)
            why += (why.empty() ? "" : "\r") + problem;
        set = std::move(reading.set);
    } else {
        why = *name + " cannot be read";
    }
    if (why.empty()) return true;
    page::ShowMessage(kymbral::kProgramName, why);
    page::Stop(why);
    return false;
}

}  // namespace

// Runs start-up, shows the window and activates it once; with a set, its
// first task (or where a platform's resume left it) starts after that.
extern "C" EMSCRIPTEN_KEEPALIVE void web_start() {
    std::optional<ExerciseSet> set;
    if (!ReadLinkedSet(set)) return;
    static KymbralPage started(std::move(set));
    program = &started;
    // Inside a learning platform no two students get the same games to pass
    // each other the answers of; elsewhere every run has the one sequence.
    if (std::optional<std::string> learner = page::LearnerId()) {
        started.kymbral.random.Restart(Fingerprint().Add(*learner).Value());
    }
    ServeForm(started.form);
    Form_Load(started.kymbral);
    started.form.Publish();
    started.form.Dispatch([] { Form_Activate(program->kymbral); });
    if (started.run) {
        started.form.Dispatch(
            [] { program->run->Begin(program->kymbral, page::ResumeData().value_or("")); });
    }
    started.form.Pump();
}

// The panel's button with the answers typed, one a line; its clock's second.
// Each returns 1 when the page must then call web_pump.
extern "C" EMSCRIPTEN_KEEPALIVE int web_exercise_act(const char* typed) {
    if (program == nullptr || !program->run) return 0;
    std::vector<std::string> answers;
    for (std::string_view answer : Split(typed, '\n')) answers.emplace_back(answer);
    return program->form.Dispatch([answers] { program->run->Act(answers); }) ? 1 : 0;
}
extern "C" EMSCRIPTEN_KEEPALIVE int web_exercise_tick() {
    if (program == nullptr || !program->run) return 0;
    return program->form.Dispatch([] { program->run->Tick(); }) ? 1 : 0;
}
