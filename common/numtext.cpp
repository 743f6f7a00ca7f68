#include "numtext.h"

#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include <cmath>

namespace {

// Spaces, tabs and line feeds; a carriage return is no blank and ends a number.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string WithoutBlanks(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text) {
        if (!IsBlank(c)) kept.push_back(c);
    }
    return kept;
}

// Length of the longest prefix that reads as a decimal number, 0 when none.
std::size_t NumberPrefixLength(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    std::size_t mantissaEnd = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < s.size() && IsDigit(s[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return mantissaEnd;
    }
    return i;
}

// The general format drops trailing zeros and the point of whole numbers;
// {fmt}, unlike printf, never takes the decimal separator from the locale.
std::string Unsigned(double value, int significantDigits) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0) value = 0;  // no "-0"
    return fmt::format("{:.{}G}", value, significantDigits);
}

std::string WithSignBlank(double value, int significantDigits) {
    std::string text = Unsigned(value, significantDigits);
    return text.front() == '-' ? text : " " + text;
}

}  // namespace

double ReadNumber(std::string_view text) {
    std::string compact = WithoutBlanks(text);
    std::string_view number(compact.data(), NumberPrefixLength(compact));
    if (number.empty()) return 0;
    // fast_float takes no leading plus sign; beyond the range of a double it
    // gives an infinity or a zero of the number's sign, as wanted here.
    if (number.front() == '+') number.remove_prefix(1);
    double value = 0;
    fast_float::from_chars(number.data(), number.data() + number.size(), value);
    return value;
}

std::string NumberText(double value) {
    return WithSignBlank(value, 15);
}

std::string NumberText(float value) {
    return WithSignBlank(static_cast<double>(value), 7);
}

std::string DecimalText(double value) {
    return Unsigned(value, 15);
}

std::string IntegerText(long long value) {
    return std::to_string(value);
}

std::string FixedText(double value, int decimals) {
    if (!std::isfinite(value)) return Unsigned(value, 15);
    return fmt::format("{:.{}f}", value, decimals);
}
