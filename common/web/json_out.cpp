#include "json_out.h"

#include <cmath>
#include <cstdio>
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
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            text_ += '\\';
            text_ += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            text_ += escaped;
        } else {
            text_ += c;
        }
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
        char digits[32];
        std::snprintf(digits, sizeof digits, "%.9g", number);
        text_ += digits;
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
