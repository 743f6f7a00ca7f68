#pragma once

#include "accessible.h"
#include "slide_show.h"

// What a screen reader is told of the slide window: the screenshot by the
// number its instruction gives it, "Screenshot of screen 2", with the instruction read after
// it; the instruction, the score and the clue level are read out as they
// change.
AccessibleFacts ScreenshotFacts(const SlideShow& show);

// For any view that offers Describe(control, describer).
template <class View>
void DescribeSlideForm(View& view, const SlideShow& show) {
    const SlideForm& f = show.form;
    view.Describe(f.Picture1, [&show] { return ScreenshotFacts(show); });
    for (const Label* told : {&f.InfoBox, &f.ScoreLabel, &f.ClueLabel}) {
        view.Describe(*told, [told] {
            // The layout's placeholder is no text of the show's: nothing is read before the first.
            bool placeholder = told->caption == tessivar::kInfoBoxPlaceholder;
            return AccessibleFacts{.role = AccessibleRole::Text,
                                   .name = placeholder ? "" : SpokenText(told->caption),
                                   .announced = true};
        });
    }
}
