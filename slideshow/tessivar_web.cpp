// Tessivar in the browser: the slide show's controls served to the page,
// which shows them and sends back the mouse over the picture.
#include <emscripten.h>

#include "page.h"
#include "slide_view.h"
#include "web_exports.h"
#include "web_services.h"

namespace {

struct TessivarPage {
    WebForm form{kFormCaption, kFormWidth, kFormHeight};
    WebMessageBoxes messages{form};
    WebImageSource images;
    // The screenshots lie beside the page, which is where relative paths lead.
    SlideShow show{messages, images, [] { return ScreenshotFolder(std::filesystem::path()); }};

    TessivarPage() {
        AddSlideControls(form, show.form);
        BindSlideEvents(form, show);
        form.SetAfterEvent([this] {
            if (show.exitCode != 0) page::Stop(show.exitCode);
        });
    }
};

}  // namespace

// Loads the window, shows it and activates it once; async, as the first
// screenshot is fetched meanwhile.
extern "C" EMSCRIPTEN_KEEPALIVE void web_start() {
    static TessivarPage program;
    ServeForm(program.form);
    Form_Load(program.show);
    program.form.Publish();
    program.form.Dispatch([] { Form_Activate(program.show); });
    program.form.Pump();
}
