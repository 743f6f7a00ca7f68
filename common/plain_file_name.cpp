#include "plain_file_name.h"

bool PlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (unsigned char c : name) {
        if (c < 32 || c == '/' || c == '\\' || c == ':') return false;
    }
    return true;
}

bool PlainLinkedName(std::string_view name) {
    return PlainFileName(name) && name.find_first_of("?#") == std::string_view::npos;
}
