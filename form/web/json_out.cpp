#include "json_out.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>

JsonOut& JsonOut::Open(char bracket) {
    Separate();
    text_ += bracket;
    needComma_ = false;
    return *this;
}

JsonOut& JsonOut::Close(char bracket) {
    text_ += bracket;
    needComma_ = true;
    return *this;
}

JsonOut& JsonOut::Key(std::string_view key) {
    Value(key);
    text_ += ':';
    needComma_ = false;
    return *this;
}

JsonOut& JsonOut::Value(std::string_view text) {
    Separate();
    text_ += '"';
    // Runs of plain characters go in whole: the page's clock writes a few
    // texts a hundred times a second.
    auto plain = [](char c) {
        return c != '"' && c != '\\' && static_cast<unsigned char>(c) >= 0x20;
    };
    for (auto run = text.begin(); run != text.end();) {
        auto end = std::find_if_not(run, text.end(), plain);
        text_.append(run, end);
        if (end == text.end()) break;
        auto byte = static_cast<unsigned char>(*end);
        if (byte >= 0x20) {
            text_ += '\\';
            text_ += *end;
        } else {
            fmt::format_to(std::back_inserter(text_), "\\u{:04x}", byte);
        }
        run = end + 1;
    }
    text_ += '"';
    needComma_ = true;
    return *this;
}

JsonOut& JsonOut::Value(double number) {
    Separate();
    // JSON has no infinities or NaN; the page draws nothing for them.
    if (!std::isfinite(number)) {
        text_ += "null";
    } else {
        // Whole numbers (most of them) as such; others as short as they read back.
        auto whole = static_cast<long long>(number);
        if (static_cast<double>(whole) == number) {
            fmt::format_to(std::back_inserter(text_), "{}", whole);
        } else {
            fmt::format_to(std::back_inserter(text_), "{}", number);
        }
    }
    needComma_ = true;
    return *this;
}

JsonOut& JsonOut::Value(long long number) {
    Separate();
    text_ += std::to_string(number);
    needComma_ = true;
    return *this;
}

JsonOut& JsonOut::Value(bool flag) {
    Separate();
    text_ += flag ? "true" : "false";
    needComma_ = true;
    return *this;
}

void JsonOut::Separate() {
    if (needComma_) text_ += ',';
}
