#include "font_faces.h"

namespace {

// The file that a rule's url(...) names, relative to the package's root.
std::string FontFile(std::string_view rule, std::string_view folder) {
    std::size_t open = rule.find("url(");
    if (open == std::string_view::npos) return "";
    std::size_t start = open + 4;
    std::size_t close = rule.find(')', start);
    std::string_view url = rule.substr(start, close - start);
    if (url.size() >= 2 && (url.front() == '"' || url.front() == '\'')) {
        url = url.substr(1, url.size() - 2);
    }
    return std::string(folder) + std::string(url);
}

}  // namespace

std::string KeepPackagedFontFaces(std::string_view css, std::string_view path,
                                  const std::set<std::string>& files) {
    std::string_view folder = path.substr(0, path.rfind('/') + 1);
    std::string kept;
    std::size_t from = 0;
    for (std::size_t at; (at = css.find("@font-face", from)) != std::string_view::npos;) {
        std::size_t end = css.find('}', at);
        end = end == std::string_view::npos ? css.size() : end + 1;
        kept += css.substr(from, at - from);
        std::string_view rule = css.substr(at, end - at);
        if (files.contains(FontFile(rule, folder))) {
            kept += rule;
        } else if (end < css.size() && css[end] == '\n') {
            ++end;  // the rule's line goes with it
        }
        from = end;
    }
    kept += css.substr(from);
    return kept;
}
