#include "parameter_lines.h"

#include <gtest/gtest.h>

namespace {

SimulatorState WithLine(int index, const std::string& line) {
    SimulatorState s;
    for (int i = 0; i < kParameterCount; ++i) s.ParamLines[i] = kStartupParameterLines[i];
    s.ParamLines[index] = line;
    ParseParameterLines(s);
    return s;
}

}  // namespace

TEST(ParameterLines, ValuesAreReadWholeAfterTheNameField) {
    EXPECT_DOUBLE_EQ(WithLine(0, "sfrq   400").sfrq, 400);
    EXPECT_DOUBLE_EQ(WithLine(4, "pw     10.125").pw, 10.125);
    EXPECT_DOUBLE_EQ(WithLine(4, "pw     123456").pw, 123456);
    EXPECT_DOUBLE_EQ(WithLine(2, "at     1.25e2").at, 125);
    EXPECT_EQ(WithLine(1, "tn     C13").tn, "C13");
    EXPECT_DOUBLE_EQ(WithLine(4, "pw      3").pw, 3);  // "pw = 3": the blank belongs to the value
}

TEST(ParameterLines, MissingOrUnreadableValuesGiveZeroOrNothing) {
    EXPECT_DOUBLE_EQ(WithLine(4, "pw     ").pw, 0);
    EXPECT_DOUBLE_EQ(WithLine(4, "pw").pw, 0);
    EXPECT_DOUBLE_EQ(WithLine(4, "pw     abc").pw, 0);
    EXPECT_EQ(WithLine(1, "tn     ").tn, "");
    EXPECT_EQ(WithLine(1, "").tn, "");
}

TEST(ParameterLines, OtherLinesKeepTheirStartUpValues) {
    SimulatorState s = WithLine(4, "pw     3");
    EXPECT_DOUBLE_EQ(s.sfrq, 399.908);
    EXPECT_DOUBLE_EQ(s.at, 30);
    EXPECT_EQ(s.dm, "nnn");
}
