#include "results_row.h"

#include "csv.h"

std::string ResultsHeader() {
    return CsvLine({"finished", "deck", "score", "wrong clicks on each slide"});
}

std::string ResultRow(std::string_view when, std::string_view deck, const ShowResult& result) {
    std::vector<std::string> fields = {std::string(when), std::string(deck),
                                       std::to_string(result.score)};
    for (const SlideRecord& slide : result.slides)
        fields.push_back(std::to_string(slide.wrongClicks));
    return CsvLine(fields);
}
