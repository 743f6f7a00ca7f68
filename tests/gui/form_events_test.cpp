#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "test_form.h"

namespace {

QPushButton& KnobOf(TestForm& form) {
    return *form.view.findChild<QPushButton*>("Knob");
}

TEST(FormEvents, ButtonReportsWhichMouseButtonWasReleased) {
    TestForm form;
    std::vector<int> released;
    int clicks = 0;
    form.view.OnMouseUp(form.knob, [&](int button) { released.push_back(button); });
    form.view.OnClick(form.knob, [&] { ++clicks; });
    QPushButton& knob = KnobOf(form);

    QTest::mouseClick(&knob, Qt::RightButton);
    QTest::mouseClick(&knob, Qt::LeftButton);
    QTest::mouseClick(&knob, Qt::MiddleButton);

    EXPECT_EQ(released, (std::vector<int>{2, 1, 4}));
    EXPECT_EQ(clicks, 1);  // only the left button clicks
}

TEST(FormEvents, MouseUpComesBeforeClickAndBothSync) {
    TestForm form;
    std::string order;
    form.view.OnMouseUp(form.knob, [&](int) { order += "up "; });
    form.view.OnClick(form.knob, [&] {
        order += "click";
        form.knob.caption = "Z2";
    });

    QTest::mouseClick(&KnobOf(form), Qt::LeftButton);

    EXPECT_EQ(order, "up click");
    EXPECT_EQ(KnobOf(form).text(), "Z2");
}

TEST(FormEvents, AfterEventHookRunsBeforeSync) {
    TestForm form;
    form.view.OnClick(form.knob, [] {});
    form.view.SetAfterEvent([&] { form.knob.caption = "set by the hook"; });
    QTest::mouseClick(&KnobOf(form), Qt::LeftButton);
    EXPECT_EQ(KnobOf(form).text(), "set by the hook");
}

TEST(FormEvents, LabelClickReachesItsHandler) {
    TestForm form;
    int clicks = 0;
    form.view.OnClick(form.caption, [&] { ++clicks; });

    QTest::mouseClick(&form.view, Qt::LeftButton, {}, TestForm::Centre(form.caption.rect));
    QTest::mouseClick(&form.view, Qt::LeftButton, {}, TestForm::Centre(form.under.rect));
    form.caption.visible = false;
    form.view.Sync();
    QTest::mouseClick(&form.view, Qt::LeftButton, {}, TestForm::Centre(form.caption.rect));

    EXPECT_EQ(clicks, 1);
}

TEST(FormEvents, ButtonAboveLabelTakesTheClick) {
    TestForm form;
    int buttonClicks = 0, labelClicks = 0;
    form.view.OnClick(form.knob, [&] { ++buttonClicks; });
    form.view.OnClick(form.under, [&] { ++labelClicks; });
    form.view.show();

    // Through the window, so that Qt itself picks the widget under the mouse.
    QTest::mouseClick(form.view.windowHandle(), Qt::LeftButton, {},
                      TestForm::Centre(form.knob.rect));
    QPoint besideKnob = PixelRect(form.under.rect).bottomLeft() + QPoint(2, -2);
    QTest::mouseClick(form.view.windowHandle(), Qt::LeftButton, {}, besideKnob);

    EXPECT_EQ(buttonClicks, 1);
    EXPECT_EQ(labelClicks, 1);
}

TEST(FormEvents, ReturnInTextBoxGivesThirteenWithTheTypedText) {
    TestForm form;
    std::vector<std::pair<int, std::string>> keys;
    form.view.OnKeyUp(form.command, [&](int key) {
        keys.emplace_back(key, form.command.text);
        if (key == 13) form.command.text.clear();
    });
    auto& edit = *form.view.findChild<QLineEdit*>("Command");

    QTest::keyClicks(&edit, "pw=3");
    EXPECT_EQ(form.command.text, "pw=3");
    QTest::keyClick(&edit, Qt::Key_Return);

    ASSERT_EQ(keys.size(), 5u);
    EXPECT_EQ(keys.front(), std::make_pair(int('P'), std::string("p")));
    EXPECT_EQ(keys.back(), std::make_pair(13, std::string("pw=3")));
    EXPECT_EQ(edit.text(), "");
}

TEST(FormEvents, TextBoxFollowsTextAndVisibility) {
    TestForm form;
    auto& edit = *form.view.findChild<QLineEdit*>("Command");
    form.command.text = "ga";
    form.command.visible = false;
    form.view.Sync();
    EXPECT_EQ(edit.text(), "ga");
    EXPECT_TRUE(edit.isHidden());

    form.knob.enabled = false;
    form.view.Sync();
    EXPECT_FALSE(KnobOf(form).isEnabled());
}

TEST(FormEvents, TimerRunsExactlyWhileEnabled) {
    TestForm form;
    int ticks = 0;
    form.view.BindTimer(form.timer, [&] {
        ++ticks;
        form.timer.enabled = false;
    });
    auto& timer = *form.view.findChild<QTimer*>();
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 10);
    EXPECT_EQ(timer.timerType(), Qt::PreciseTimer);

    // A tick as the event loop would deliver it, without waiting for one.
    QMetaObject::invokeMethod(&timer, "timeout");
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(timer.isActive());

    form.view.OnClick(form.knob, [&] { form.timer.enabled = true; });
    QTest::mouseClick(&KnobOf(form), Qt::LeftButton);
    EXPECT_TRUE(timer.isActive());
}

}  // namespace
