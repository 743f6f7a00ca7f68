// Tessivar in the browser: the slide show's controls served to the page,
// which shows them and sends back the mouse over the picture.
#include <emscripten.h>

#include "deck_check.h"
#include "deck_link.h"
#include "page.h"
#include "page_reports.h"
#include "resume_text.h"
#include "show_resume.h"
#include "slide_access.h"
#include "slide_view.h"
#include "web_exports.h"
#include "web_services.h"

namespace {

struct TessivarPage {
    WebForm form{tessivar::kFormCaption, tessivar::kFormWidth, tessivar::kFormHeight};
    WebMessageBoxes messages{form};
    WebImageSource images;
    PageClock clock;
    PageReports reports{page::Report};
    // Relative paths lead beside the page: to the built-in screenshots, or to
    // the deck that the page's address names.
    std::filesystem::path folder = kScreenshotFolder;
    SlideShow show{messages, images, clock, reports, [this] { return folder; }};

    TessivarPage() {
        AddSlideControls(form, show.form);
        BindSlideEvents(form, show);
        DescribeSlideForm(form, show);
        form.SetClock([this] { return clock.Now(); });
        form.SetAfterEvent([this] {
            if (show.exitCode != 0) page::Stop(messages.LastText());
        });
    }
};

// The deck that the page's address names (?deck=FOLDER) replaces the built-in
// show once it is checked whole; false, after telling the student why, when
// it cannot play.
bool OpenLinkedDeck(TessivarPage& program) {
    std::optional<std::string> name = page::AddressParameter("deck");
    if (!name) return true;
    OpenedDeck opened;
    if (std::optional<std::string> refused = DeckLinkProblem(*name)) {
        opened.problems = {*refused};
    } else {
        opened = OpenDeckFolder(*name, program.images, page::FetchFile, page::ShowProgress);
    }
    if (!opened.problems.empty()) {
        program.messages.Show(tessivar::kProgramName, ProblemsText(opened.problems));
        return false;
    }
    program.folder = *name;
    program.show.deck = std::move(opened.slides);
    return true;
}

// A deck may open at a slide of its own (?slide=N, counted from 1), as the
// author page's Play from here does; any other value is no slide.
void OpenAtSlide(TessivarPage& program) {
    std::optional<std::string> text = page::AddressParameter("slide");
    std::size_t slide = 0;
    if (!text || text->empty() || text->size() > 6 ||
        text->find_first_not_of("0123456789") != std::string::npos) {
        return;
    }
    slide = std::stoul(*text);
    if (slide >= 1 && slide <= program.show.deck.size()) {
        program.show.firstSlide = static_cast<int>(slide - 1);
    }
}

// A learning platform that launches the page to resume hands back where the
// show stood; data that is damaged or of another deck starts it afresh.
void ResumeWhereLeft(TessivarPage& program) {
    std::string key = DeckKey(program.show.slides);
    program.reports.SetDeckKey(key);
    std::optional<std::string> kept = page::ResumeData();
    if (!kept) return;
    if (auto position = ReadResume(*kept, key, program.show.slides.size())) {
        ResumeShow(program.show, *position);
    }
}

}  // namespace

// Loads the window, shows it and activates it once; async, as the deck and
// the first screenshot are fetched meanwhile.
extern "C" EMSCRIPTEN_KEEPALIVE void web_start() {
    static TessivarPage program;
    ServeForm(program.form);
    if (!OpenLinkedDeck(program)) {
        page::Stop(program.messages.LastText());
        return;
    }
    OpenAtSlide(program);
    Form_Load(program.show);
    ResumeWhereLeft(program);
    program.form.Publish();
    program.form.Dispatch([] { Form_Activate(program.show); });
    program.form.Pump();
}
