#pragma once

#include <string>
#include <string_view>

// The programs' own way of reading numbers from text and writing them back.
// Neither depends on the process locale: the decimal separator is always a point.

// Blanks (spaces, tabs, line feeds) are dropped wherever they stand; the
// longest leading decimal number (sign, digits, one point, exponent) is taken;
// anything else gives 0.
// A number too large for a double reads as an infinity, one too small as 0.
double ReadNumber(std::string_view text);

// A blank before a number that is not negative, a minus sign before a negative
// one, trailing zeros dropped, whole numbers without a point. Doubles keep up
// to 15 significant digits, singles up to 7.
std::string NumberText(double value);
std::string NumberText(float value);

// The same form without the blank before a number that is not negative.
std::string DecimalText(double value);

// Plain decimal digits with a minus sign when negative: the knob labels' form.
std::string IntegerText(long long value);

// A fixed number of decimals, as in the patterns "0.0" and "0.00".
std::string FixedText(double value, int decimals);
