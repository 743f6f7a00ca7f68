#include "results_file.h"

#include "append_line.h"
#include "results_place.h"
#include "results_row.h"
#include "slide_table.h"

std::optional<std::string> AppendedResults::ShowFinished(const ShowResult& result) {
    std::optional<std::string> failed =
        AppendLine(file_, ResultsHeader(), ResultRow(FinishedAt(), deck_, result));
    if (!failed) return std::nullopt;
    return "Tessivar could not write your result to" + std::string(LineBreak) + file_.string() +
           LineBreak + "(" + *failed + ")." + ParagraphBreak + "Please tell your instructor.";
}
