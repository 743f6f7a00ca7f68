#include "numtext.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

TEST(ReadNumber, TakesTheLongestLeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(ReadNumber("399.908"), 399.908);
    EXPECT_DOUBLE_EQ(ReadNumber("-2.5e2xyz"), -250);
    EXPECT_DOUBLE_EQ(ReadNumber("+7"), 7);
    EXPECT_DOUBLE_EQ(ReadNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(ReadNumber("5."), 5);
    EXPECT_DOUBLE_EQ(ReadNumber("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(ReadNumber("3e"), 3);  // an exponent without digits is not part of it
    EXPECT_DOUBLE_EQ(ReadNumber("3e+"), 3);
    EXPECT_DOUBLE_EQ(ReadNumber("2E-1"), 0.2);
}

TEST(ReadNumber, DropsBlanksWhereverTheyStand) {
    EXPECT_DOUBLE_EQ(ReadNumber(" 2.3"), 2.3);
    EXPECT_DOUBLE_EQ(ReadNumber("1 2\t3\n"), 123);
    EXPECT_DOUBLE_EQ(ReadNumber(" - 4 . 5 e 1"), -45);
    // A carriage return is no blank: the number ends there.
    EXPECT_DOUBLE_EQ(ReadNumber("1\r2"), 1);
}

TEST(ReadNumber, GivesZeroForTextThatIsNoNumber) {
    for (const char* text : {"", " ", "abc", "-", "+", ".", "-.", "e5", "H1", "nan", "inf", "="}) {
        EXPECT_EQ(ReadNumber(text), 0) << '"' << text << '"';
    }
}

TEST(ReadNumber, OverflowIsInfiniteAndUnderflowZero) {
    EXPECT_TRUE(std::isinf(ReadNumber("1e999")));
    EXPECT_GT(ReadNumber("1e999"), 0);
    EXPECT_LT(ReadNumber("-1e999"), 0);
    EXPECT_TRUE(std::isinf(ReadNumber("0.001e99999999999999999999")));
    EXPECT_EQ(ReadNumber("1e-999"), 0);
    EXPECT_EQ(ReadNumber("123e-400"), 0);
    EXPECT_EQ(ReadNumber("0.0e999"), 0);
    // Where the first significant digit stands decides it, not the exponent alone.
    EXPECT_EQ(ReadNumber("0." + std::string(500, '0') + "1e100"), 0);
    EXPECT_TRUE(std::isinf(ReadNumber("1" + std::string(500, '0') + "e-100")));
}

TEST(ReadNumber, NeverReadsPastTheText) {
    std::string text = "12345";
    EXPECT_EQ(ReadNumber(std::string_view(text).substr(0, 2)), 12);
    std::string longText(10000, '9');
    EXPECT_TRUE(std::isinf(ReadNumber(longText)));
}

// Where C++ libraries have differed: the ends of the range, signed zero, the
// shortest forms and runs of digits longer than a double holds.
TEST(ReadNumber, IsExactAtTheEndsOfTheRange) {
    EXPECT_EQ(ReadNumber("4.9406564584124654e-324"), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(ReadNumber("2.2250738585072009e-308"), 0x0.fffffffffffffp-1022);
    EXPECT_EQ(ReadNumber("2e-324"), 0);
    EXPECT_EQ(ReadNumber("1e308"), 1e308);
    EXPECT_EQ(ReadNumber("1.7976931348623157e308"), std::numeric_limits<double>::max());
    EXPECT_TRUE(std::isinf(ReadNumber("1.8e308")));
    EXPECT_EQ(NumberText(ReadNumber("-0")), " 0");
    EXPECT_EQ(DecimalText(ReadNumber("-0")), "0");
}

TEST(ReadNumber, RoundsLongDigitRunsAndTakesTheShortestForms) {
    EXPECT_EQ(ReadNumber("9007199254740993"), 9007199254740992.0);  // a tie goes to even
    EXPECT_EQ(ReadNumber("9007199254740993." + std::string(800, '0') + "1"), 9007199254740994.0);
    EXPECT_EQ(ReadNumber(std::string(500, '0') + "7"), 7);
    EXPECT_EQ(ReadNumber("0." + std::string(500, '0') + "1e501"), 1);
    EXPECT_EQ(ReadNumber("+.5e-3"), 0.0005);
    EXPECT_EQ(ReadNumber("1e"), 1);
    EXPECT_EQ(ReadNumber("."), 0);
}

TEST(NumberText, WritesTheEndsOfTheRangeInExponentForm) {
    EXPECT_EQ(NumberText(std::numeric_limits<double>::denorm_min()), " 4.94065645841247E-324");
    EXPECT_EQ(NumberText(std::numeric_limits<float>::denorm_min()), " 1.401298E-45");
    EXPECT_EQ(NumberText(1e308), " 1E+308");
    EXPECT_EQ(NumberText(-std::numeric_limits<double>::max()), "-1.79769313486232E+308");
    EXPECT_EQ(DecimalText(0.0001), "0.0001");
    EXPECT_EQ(DecimalText(0.00001), "1E-05");
    EXPECT_EQ(FixedText(1e308, 0).substr(0, 20), "10000000000000000109");  // exact digits
    EXPECT_EQ(FixedText(1e308, 0).size(), 309u);
}

TEST(NumberText, PutsABlankBeforeNumbersThatAreNotNegative) {
    EXPECT_EQ(NumberText(2.5), " 2.5");
    EXPECT_EQ(NumberText(0.0), " 0");
    EXPECT_EQ(NumberText(-0.0), " 0");
    EXPECT_EQ(NumberText(-3.0), "-3");
    EXPECT_EQ(NumberText(100.0), " 100");
    EXPECT_EQ(NumberText(0.25), " 0.25");
}

TEST(NumberText, KeepsFifteenDigitsForDoublesAndSevenForSingles) {
    EXPECT_EQ(NumberText(1.0 / 3), " 0.333333333333333");
    EXPECT_EQ(NumberText(2.3f), " 2.3");
    EXPECT_EQ(NumberText(1.0f / 3), " 0.3333333");
    EXPECT_EQ(NumberText(123456789.0f), " 1.234568E+08");
}

TEST(DecimalText, AndIntegerTextHaveNoSignBlank) {
    EXPECT_EQ(DecimalText(53.22), "53.22");
    EXPECT_EQ(IntegerText(-32768), "-32768");
    EXPECT_EQ(IntegerText(140), "140");
}

TEST(FixedText, KeepsTheGivenDecimals) {
    EXPECT_EQ(FixedText(12.3, 1), "12.3");
    EXPECT_EQ(FixedText(0, 1), "0.0");
    EXPECT_EQ(FixedText(1, 2), "1.00");
    EXPECT_EQ(FixedText(-0.456, 2), "-0.46");
    EXPECT_EQ(FixedText(1e300, 1).size(), 303u);
}

TEST(NumberFormats, IgnoreTheProcessLocale) {
    std::setlocale(LC_ALL, "de_DE.UTF-8");  // where installed, printf would write commas
    EXPECT_EQ(NumberText(2.5), " 2.5");
    EXPECT_EQ(FixedText(2.5, 2), "2.50");
    EXPECT_DOUBLE_EQ(ReadNumber("2.5"), 2.5);
    std::setlocale(LC_ALL, "C");
}
