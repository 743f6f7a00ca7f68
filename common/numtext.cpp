#include "numtext.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
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

// from_chars reports overflow and underflow alike; tell them apart by the
// decimal exponent of the first significant digit.
double OutOfRangeValue(std::string_view number) {
    std::size_t exponentAt = number.find_first_of("eE");
    std::string_view mantissa = number.substr(0, exponentAt);
    long long magnitude = 0, integerDigits = 0, fractionPosition = 0;
    bool afterPoint = false, significant = false;
    for (char c : mantissa) {
        if (c == '.') afterPoint = true;
        if (!IsDigit(c)) continue;
        if (afterPoint) ++fractionPosition;
        if (!significant && c != '0') {
            significant = true;
            magnitude = -fractionPosition;
        }
        if (significant && !afterPoint) ++integerDigits;
    }
    if (integerDigits > 0) magnitude = integerDigits - 1;
    long long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        std::string_view digits = number.substr(exponentAt + 1);
        for (char c : digits) {
            if (IsDigit(c) && exponent < 1'000'000'000) exponent = exponent * 10 + (c - '0');
        }
        if (!digits.empty() && digits.front() == '-') exponent = -exponent;
    }
    bool negative = number.front() == '-';
    if (!significant || magnitude + exponent < 0) return negative ? -0.0 : 0.0;
    double infinity = std::numeric_limits<double>::infinity();
    return negative ? -infinity : infinity;
}

// The general format drops trailing zeros and the point of whole numbers;
// to_chars, unlike printf, never takes the decimal separator from the locale.
std::string Unsigned(double value, int significantDigits) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0) value = 0;  // no "-0"
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                                significantDigits);
    std::string text(buffer, result.ptr);
    for (char& c : text) {
        if (c == 'e') c = 'E';
    }
    return text;
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
    // from_chars takes no leading plus sign.
    std::string_view unsigned_part = number.front() == '+' ? number.substr(1) : number;
    double value = 0;
    auto [end, error] =
        std::from_chars(unsigned_part.data(), unsigned_part.data() + unsigned_part.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) return OutOfRangeValue(number);
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
    char buffer[400];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}
