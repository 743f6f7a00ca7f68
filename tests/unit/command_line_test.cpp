#include "command_line.h"

#include <gtest/gtest.h>

#include "started_kymbral.h"

namespace {

struct CommandLineTest : ::testing::Test, StartedKymbral {
    void Type(const std::string& command, int key = kEnterKey) {
        k.form.KeyboardInput.text = command;
        KeyboardInput_KeyUp(k, key);
    }
    const std::vector<std::string>& List() { return k.form.ParametersListBox.items; }
};

}  // namespace

TEST_F(CommandLineTest, AnAssignmentRewritesItsLineAndValue) {
    Type("pw=3");
    EXPECT_EQ(k.state.ParamLines[4], "pw     3");
    EXPECT_EQ(k.state.pw, 3);
    ASSERT_EQ(List().size(), 12u);
    EXPECT_EQ(List()[4], "pw     3");
    EXPECT_EQ(List()[0], "sfrq   399.908");
    EXPECT_EQ(k.form.KeyboardInput.text, "");
}

TEST_F(CommandLineTest, NamesMatchExactlyAndCaseSensitively) {
    for (const char* command : {"PW=3", "Pw=3", "a=b=c", "=5", "pwx=3"}) {
        Type(command);
        EXPECT_EQ(k.state.pw, 1) << command;
        ASSERT_EQ(List().size(), 12u) << command;
        EXPECT_EQ(List()[4], "pw     1.00") << command;
        EXPECT_EQ(k.form.KeyboardInput.text, "") << command;
    }
}

TEST_F(CommandLineTest, ValuesAreReadWhole) {
    Type("pw=123456");
    EXPECT_EQ(List()[4], "pw     123456");
    EXPECT_EQ(k.state.pw, 123456);
    Type("sfrq=400");
    EXPECT_EQ(k.state.ParamLines[0], "sfrq   400");
    EXPECT_EQ(k.state.sfrq, 400);
    Type("tn=C13");
    EXPECT_EQ(k.state.ParamLines[1], "tn     C13");
    EXPECT_EQ(k.state.tn, "C13");
    Type("pw=");
    EXPECT_EQ(k.state.ParamLines[4], "pw     ");
    EXPECT_EQ(k.state.pw, 0);
    Type("at=5 s");
    EXPECT_EQ(k.state.at, 5);
}

TEST_F(CommandLineTest, OnlyExactlyGaStartsAnAcquisition) {
    for (const char* command : {"GA", "Ga", " ga", "ga ", "ga=1"}) {
        Type(command);
        EXPECT_FALSE(k.form.Timer1.enabled) << command;
        EXPECT_EQ(k.form.Restart.caption, "GA") << command;
    }
    Type("ga");
    EXPECT_TRUE(k.form.Timer1.enabled);
    EXPECT_EQ(k.form.Restart.caption, "Abort");
    Type("ga");  // while running: starts again, still Abort
    EXPECT_TRUE(k.form.Timer1.enabled);
    EXPECT_EQ(k.form.Restart.caption, "Abort");
    EXPECT_EQ(k.state.ScanStart, 0);
}

TEST_F(CommandLineTest, OtherKeysLeaveTheCommandUntilEnter) {
    Type("pw=3", '=');
    EXPECT_EQ(k.form.KeyboardInput.text, "pw=3");
    EXPECT_EQ(k.state.pw, 1);
    KeyboardInput_KeyUp(k, kEnterKey);
    EXPECT_EQ(k.state.pw, 3);
}

TEST_F(CommandLineTest, ACommandWithoutEqualsLeavesTheListAndRereadsTheFields) {
    k.state.pw = 99;  // a field out of step with its line is read back
    Type("hello");
    EXPECT_EQ(k.state.pw, 1);
    EXPECT_EQ(List().size(), 12u);
}
