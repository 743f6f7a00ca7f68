#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "web_form.h"

namespace {

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

struct WebFormTest : ::testing::Test {
    WebForm form{"Form", 150, 300};
    Label label;
    PictureBox picture;
    TextBox box;
    CheckBox check;
    Timer timer{.enabled = true, .intervalMs = 10};
    std::vector<std::string> ran;
    std::string first;

    WebFormTest() {
        label.name = "Caption";
        picture.name = "Plot";
        picture.rect = {0, 0, 1560, 1560};  // 100 pixels square inside its border
        picture.scale = {0, 0, 100, 100};
        box.name = "Box";
        form.Add(label);
        form.Add(picture);
        form.Add(box);
        form.BindTimer(timer, [this] { ran.push_back("tick"); });
        form.Add(check);
        form.OnKeyUp(box, [this](int key) { ran.push_back("key " + std::to_string(key)); });
        first = form.Changes();
    }
};

// The page learns the form's caption and size once, then only what changed.
TEST_F(WebFormTest, TellsOnlyWhatChangedAndOnlyTheNewStrokes) {
    EXPECT_TRUE(Has(first, R"({"caption":"Form","width":150,"height":300,"controls":[)")) << first;
    EXPECT_EQ(form.Changes(), R"({"controls":[]})");
    label.caption = "B\"";
    picture.PSet(1, 2, colours::White);
    std::string changes = form.Changes();
    EXPECT_TRUE(Has(changes, R"("text":"B\"")")) << changes;
    EXPECT_TRUE(Has(changes, R"("clear":false,"strokes":[1,1,2,1,2,"#ffffff"])"));
    EXPECT_FALSE(Has(changes, "Box"));
    picture.PSet(3, 4, colours::White);
    EXPECT_TRUE(Has(form.Changes(), R"("strokes":[1,3,4,3,4,)"));
    picture.Clear();
    picture.PSet(5, 6, colours::White);
    EXPECT_TRUE(Has(form.Changes(), R"("clear":true,"strokes":[1,5,6,5,6,)"));
    picture.Line(-50, 50, -10, 50, colours::White);  // wholly left of the area
    EXPECT_TRUE(Has(form.Changes(), R"("clear":false,"strokes":[])"));
    picture.rect.width += 150;  // a wider area: every stroke again, in its pixels
    EXPECT_TRUE(Has(form.Changes(), R"("clear":true,"strokes":[1,5,6,5,6,"#ffffff"])"));
}

TEST_F(WebFormTest, RunsEventsInTurnHoldsThoseDuringOneAndDropsItsTicks) {
    // The user's typing and ticking reach the model without being told back to the page.
    ASSERT_TRUE(form.Post(2, WebForm::Event::Text, 0, 0, 0, "pw=3"));
    ASSERT_TRUE(form.Post(4, WebForm::Event::Check, 1, 0, 0, ""));
    form.Pump();
    EXPECT_EQ(box.text, "pw=3");
    EXPECT_TRUE(check.checked);
    EXPECT_EQ(form.Changes(), R"({"controls":[]})");

    form.SetAfterEvent([this] {
        if (ran.size() != 1) return;
        EXPECT_FALSE(form.Post(2, WebForm::Event::KeyUp, 13, 0, 0, ""));
        EXPECT_FALSE(form.Post(3, WebForm::Event::Tick, 0, 0, 0, ""));
    });
    ASSERT_TRUE(form.Post(3, WebForm::Event::Tick, 0, 0, 0, ""));
    form.Pump();
    EXPECT_EQ(ran, (std::vector<std::string>{"tick", "key 13"}));
    EXPECT_FALSE(form.Post(0, WebForm::Event::Click, 1, 0, 0, "")) << "no handler, no event";
}

}  // namespace
