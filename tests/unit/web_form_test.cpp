#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "key_codes.h"
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
    EXPECT_TRUE(Has(first, R"({"caption":"Form","width":150,"height":300,)")) << first;
    EXPECT_EQ(form.Changes(), R"({"controls":[]})");
    label.caption = "B\"";
    picture.PSet(1, 2, colours::White);
    std::string changes = form.Changes();
    EXPECT_TRUE(Has(changes, R"("text":"B\"")")) << changes;
    EXPECT_TRUE(
        Has(changes, R"("clear":false,"strokes":[{"from":[1,2],"to":[1,2],"colour":"#ffffff"}])"));
    EXPECT_FALSE(Has(changes, "Box"));
    picture.PSet(3, 4, colours::White);
    EXPECT_TRUE(Has(form.Changes(), R"("strokes":[{"from":[3,4],"to":[3,4],)"));
    picture.Clear();
    picture.PSet(5, 6, colours::White);
    EXPECT_TRUE(Has(form.Changes(), R"("clear":true,"strokes":[{"from":[5,6],"to":[5,6],)"));
    picture.Line(-50, 50, -10, 50, colours::White);  // wholly left of the area
    EXPECT_TRUE(Has(form.Changes(), R"("clear":false,"strokes":[])"));
    picture.rect.width += 150;  // a wider area: every stroke again, in its pixels
    EXPECT_TRUE(Has(form.Changes(),
                    R"("clear":true,"strokes":[{"from":[5,6],"to":[5,6],"colour":"#ffffff"}])"));
}

TEST_F(WebFormTest, RunsEventsInTurnHoldsThoseDuringOneAndDropsItsTicks) {
    // The user's typing and ticking reach the model without being told back to the page.
    ASSERT_TRUE(form.Post(TextEvent{2, "pw=3"}));
    ASSERT_TRUE(form.Post(CheckEvent{4, true}));
    form.Pump();
    EXPECT_EQ(box.text, "pw=3");
    EXPECT_TRUE(check.checked);
    EXPECT_EQ(form.Changes(), R"({"controls":[]})");

    form.SetAfterEvent([this] {
        if (ran.size() != 1) return;
        EXPECT_FALSE(form.Post(KeyUpEvent{2, 13}));
        EXPECT_FALSE(form.Post(TickEvent{3}));
    });
    ASSERT_TRUE(form.Post(TickEvent{3}));
    form.Pump();
    EXPECT_EQ(ran, (std::vector<std::string>{"tick", "key 13"}));
    EXPECT_FALSE(form.Post(ClickEvent{0})) << "no handler, no event";
}

// A knob and a clickable picture that take keys, and a read-out told to readers.
struct WebFormKeysTest : ::testing::Test {
    WebForm form{"Form", 3000, 3000};
    Button knob;
    Button first;
    PictureBox picture;
    Label level;
    Label note;  // over the picture's top-left corner
    double now = 0;
    std::vector<std::string> ran;

    WebFormKeysTest() {
        knob.rect = {1500, 0, 300, 300};
        first.rect = {0, 0, 300, 300};
        picture.rect = {0, 1500, 1560, 1560};
        form.Add(knob);
        form.Add(first);
        form.Add(picture);
        form.Add(level);
        note.rect = {0, 0, 300, 300};
        form.Add(note, picture);
        form.OnClick(note, [this] { ran.push_back("note"); });
        form.OnClick(knob, [this] { ran.push_back("click"); });
        form.OnMouseUp(knob, [this](int button) { ran.push_back("up " + std::to_string(button)); });
        form.OnClick(first, [] {});
        form.OnMouseMove(picture, [this](int, double x, double y) {
            ran.push_back("move " + std::to_string(int(x)) + "," + std::to_string(int(y)));
        });
        form.OnMouseUp(picture, [this](int button, double x, double y) {
            ran.push_back("at " + std::to_string(button) + " " + std::to_string(int(x)) + "," +
                          std::to_string(int(y)));
        });
        form.Describe(level, [this] {
            return AccessibleFacts{
                .role = AccessibleRole::Text, .name = level.caption, .announced = true};
        });
        form.SetClock([this] { return now; });
    }

    std::vector<std::string> Keys(int id, std::vector<int> codes, bool shift = false,
                                  bool held = false) {
        ran.clear();
        for (int code : codes) {
            if (form.Post(KeyEvent{id, code, shift, held})) form.Pump();
        }
        return ran;
    }
};

TEST_F(WebFormKeysTest, OrdersStopsAndTurnsKeysIntoTheMouseClicks) {
    std::string first = form.Changes();
    EXPECT_TRUE(Has(first, R"("order":[1,0,)")) << first;
    EXPECT_TRUE(Has(
        first,
        R"({"id":0,"role":"button","name":"","value":"","minimum":0,"maximum":0,"description":"","live":false,"keys":"knob"})"));
    EXPECT_TRUE(Has(first, R"("keys":"pointer")"));

    using Strings = std::vector<std::string>;
    EXPECT_EQ(Keys(0, {kDownKey, kUpKey, kEnterKey, kSpaceKey, kLeftKey}),
              (Strings{"up 1", "click", "up 2", "up 1", "click", "up 1", "click"}));
    EXPECT_EQ(Keys(1, {kUpKey, kEnterKey}), Strings{}) << "a button takes its own keys";
    // The picture's drawing area is 100 pixels square: the pointer starts in its middle.
    EXPECT_EQ(Keys(2, {kRightKey, kEnterKey, kBackspaceKey}),
              (Strings{"move 810,750", "at 1 810,750", "at 2 810,750"}));
    EXPECT_TRUE(Has(form.Changes(), R"("pointers":[[2,810,750]])"));
    EXPECT_EQ(Keys(2, {kUpKey}, true), Strings{"move 810,150"});
    EXPECT_EQ(Keys(2, {kEnterKey}, false, true), Strings{}) << "a held Enter clicks once";
    EXPECT_EQ(Keys(2, {kUpKey}, true), Strings{"move 810,0"}) << "kept inside";
    // Over a text on the picture the text takes the clicks, as it takes the mouse's.
    EXPECT_EQ(Keys(2, {kLeftKey, kEnterKey, kBackspaceKey}, true, true), Strings{}) << "held";
    EXPECT_EQ(Keys(2, {kEnterKey, kBackspaceKey}), Strings{"note"});
}

TEST_F(WebFormKeysTest, ReadsAChangingTextAtMostOnceASecondTheLatestLast) {
    form.Changes();
    const struct {
        double at;
        const char* caption;
        const char* said;  // nullptr: nothing read
        bool waits;
    } steps[] = {
        {0.0, "10", R"("say":[{"id":3,"text":"10"}])", false},
        {0.3, "20", nullptr, true},
        {0.6, "30", nullptr, true},
        {1.0, "30", R"("say":[{"id":3,"text":"30"}])", false},
        {3.0, "40", R"("say":[{"id":3,"text":"40"}])", false},
    };
    for (const auto& step : steps) {
        now = step.at;
        level.caption = step.caption;
        std::string changes = form.Changes();
        EXPECT_EQ(Has(changes, "\"say\""), step.said != nullptr) << step.at << changes;
        if (step.said) {
            EXPECT_TRUE(Has(changes, step.said)) << changes;
        }
        EXPECT_EQ(Has(changes, "\"sayIn\""), step.waits) << step.at << changes;
    }
    EXPECT_EQ(form.Changes(), R"({"controls":[]})") << "nothing new, nothing told";
}

}  // namespace
