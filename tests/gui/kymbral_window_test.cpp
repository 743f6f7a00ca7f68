#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "fake_clock.h"
#include "knobs.h"
#include "kymbral_window.h"
#include "recording_messages.h"

namespace {

struct KymbralWindowTest : ::testing::Test {
    FakeClock clock{100};
    RecordingMessages messages;
    KymbralWindow window{clock, &messages};
    Kymbral& k = window.model();

    void SetUp() override {
        window.Open();
        QApplication::processEvents();  // the first activation
        QApplication::setActiveWindow(&window.view);
    }
    std::string Focused() {
        QWidget* focused = QApplication::focusWidget();
        return focused ? focused->objectName().toStdString() : "";
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    template <class Widget>
    Widget& Find(const char* name) {
        auto* widget = window.view.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return *widget;
    }
    QTimer* ClockTimer() {
        for (QTimer* timer : window.view.findChildren<QTimer*>()) {
            if (timer->interval() == 10) return timer;
        }
        return nullptr;
    }
};

}  // namespace

TEST_F(KymbralWindowTest, OpensActivatedAndIdle) {
    EXPECT_EQ(window.view.windowTitle(), "Kymbral (alpha version)");
    EXPECT_EQ(k.form.Info.caption, "0");
    EXPECT_EQ(k.form.LockFID.caption, "Lock");
    EXPECT_FALSE(k.form.Timer1.enabled);
    ASSERT_NE(ClockTimer(), nullptr);
    EXPECT_FALSE(ClockTimer()->isActive());
    EXPECT_EQ(Find<QListWidget>("ParametersListBox").count(), 12);
}

TEST_F(KymbralWindowTest, ARightReleaseOnTheZ0KnobStepsItUp) {
    QTest::mouseClick(&Find<QPushButton>("KeyIn0"), Qt::RightButton);
    EXPECT_EQ(k.state.Z0, 51);
    EXPECT_EQ(k.form.ShimLabel[0].caption, "51");
    QTest::mouseClick(&Find<QPushButton>("KeyIn0"), Qt::LeftButton);
    EXPECT_EQ(k.state.Z0, 50);
}

TEST_F(KymbralWindowTest, TheCommandLineEditsAParameterAndStartsAcquiring) {
    QLineEdit& command = Find<QLineEdit>("KeyboardInput");
    command.setFocus();
    QTest::keyClicks(&command, "pw=3");
    QTest::keyClick(&command, Qt::Key_Return);
    EXPECT_EQ(Find<QListWidget>("ParametersListBox").item(4)->text(), "pw     3");
    EXPECT_EQ(command.text(), "");
    EXPECT_EQ(k.state.pw, 3);

    QTest::keyClicks(&command, "ga");
    QTest::keyClick(&command, Qt::Key_Return);
    EXPECT_TRUE(ClockTimer()->isActive());
    EXPECT_EQ(Find<QPushButton>("Restart").text(), "Abort");

    QTest::mouseClick(&Find<QPushButton>("Restart"), Qt::LeftButton);
    EXPECT_FALSE(ClockTimer()->isActive());
}

TEST_F(KymbralWindowTest, TheGradientShimWaitHoldsTicksAndClicksUntilItEnds) {
    QTest::mouseClick(&Find<QPushButton>("Insert"), Qt::LeftButton);
    QTest::mouseClick(&Find<QPushButton>("Restart"), Qt::LeftButton);  // acquiring
    ASSERT_TRUE(ClockTimer()->isActive());

    std::string captionDuring;
    std::int16_t z0During = 0;
    std::size_t fidPointsBefore = k.form.PlotFID.strokes.size(), fidPointsDuring = 0;
    // Runs inside the wait: a tick comes due and the student clicks a knob.
    QTimer::singleShot(0, [&] {
        captionDuring = Find<QPushButton>("GradientShim").text().toStdString();
        QMetaObject::invokeMethod(ClockTimer(), "timeout");
        QTest::mouseClick(&Find<QPushButton>("KeyIn0"), Qt::RightButton);
        QTest::keyClick(&Find<QPushButton>("KeyIn0"), Qt::Key_Up);
        fidPointsDuring = k.form.PlotFID.strokes.size();
        z0During = k.state.Z0;
        clock.Advance(5);
    });
    QTest::mouseClick(&Find<QPushButton>("GradientShim"), Qt::LeftButton);

    EXPECT_EQ(captionDuring, "Shimming...");
    EXPECT_EQ(fidPointsDuring, fidPointsBefore);  // the tick was not run
    EXPECT_EQ(z0During, 50);                      // nor the click and the key, yet
    EXPECT_EQ(k.state.Z0, 52);                    // which came after the handler
    EXPECT_EQ(k.form.ShimLabel[0].caption, "52");
    EXPECT_EQ(Find<QPushButton>("GradientShim").text(), "Gradient Shim");
    EXPECT_FALSE(ClockTimer()->isActive());  // the redraw stopped the acquisition
}

TEST(KymbralWindowMessages, TheWindowBehindAMessageShowsWhatTheHandlerDidSoFar) {
    struct Peeking : MessageBoxes {
        std::function<void()> onShow;
        void Show(const std::string&, const std::string&) override { onShow(); }
    } peeking;
    FakeClock clock{100};
    KymbralWindow window{clock, &peeking};
    std::string behind;
    peeking.onShow = [&] {
        behind = window.view.findChild<QPushButton*>("Restart")->text().toStdString();
    };
    window.Open();
    QApplication::processEvents();
    QTest::mouseClick(window.view.findChild<QPushButton*>("Restart"), Qt::LeftButton);
    QTimer* timer = nullptr;
    for (QTimer* each : window.view.findChildren<QTimer*>()) {
        if (each->interval() == 10) timer = each;
    }
    ASSERT_NE(timer, nullptr);
    QMetaObject::invokeMethod(timer, "timeout");  // the scan starts
    window.view.Dispatch([&] { window.model().form.PW90Value.text = "0"; });
    clock.Advance(31);
    QMetaObject::invokeMethod(timer, "timeout");  // the scan's last tick
    QMetaObject::invokeMethod(timer, "timeout");  // the next scan is refused
    EXPECT_EQ(behind, "GA");
}

TEST_F(KymbralWindowTest, AnEnlargedWindowShowsThePlainFormBesideThePicture) {
    window.view.resize(1500, 800);
    QImage shown = window.view.grab().toImage();
    QColor face = QApplication::palette().color(QPalette::Button);
    for (int x = 1280; x < 1500; x += 4) {
        for (int y = 0; y < 800; y += 8) {
            ASSERT_EQ(shown.pixelColor(x, y), face) << x << ", " << y;
        }
    }
}

TEST_F(KymbralWindowTest, TabVisitsTheControlsThatTakeAClickInReadingOrder) {
    const std::vector<std::string> order = {"KeyboardInput",
                                            "Restart",
                                            "Simulator",
                                            "ShimXLabel",
                                            "Insert",
                                            "Eject",
                                            "GradientShim",
                                            "ScrambleEasy",
                                            "Scramble",
                                            "ScrambleHard",
                                            "KeyIn0",
                                            "KeyIn6",
                                            "KeyIn5",
                                            "KeyIn7",
                                            "KeyIn1",
                                            "KeyIn2",
                                            "KeyIn3",
                                            "KeyIn4",
                                            "SpinOn",
                                            "SpinOff",
                                            "Walkup",
                                            "AutoGainCheck",
                                            "ParametersListBox",
                                            "SampleScramble",
                                            "PW90Value",
                                            "T1Value",
                                            "T2Value",
                                            "Help"};
    std::vector<std::string> visited = {Focused()};
    for (std::size_t i = 1; i <= order.size(); ++i) {
        Key(Qt::Key_Tab);
        visited.push_back(Focused());
    }
    std::vector<std::string> expected = order;
    expected.push_back(order.front());  // round again
    EXPECT_EQ(visited, expected);
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), "Help");

    // A clickable label clicks by key too; the row label, shown with the shim
    // map, joins in where it lies.
    Find<QWidget>("ShimXLabel").setFocus();
    Key(Qt::Key_Return);
    EXPECT_EQ(k.form.ShimXLabel.caption, "Z1");
    Find<QWidget>("KeyboardInput").setFocus();
    Key(Qt::Key_Tab);
    EXPECT_EQ(Focused(), "ShimYLabel");
}

TEST_F(KymbralWindowTest, TheFocusRingShowsWhereTheKeyboardIsUntilTheMousePresses) {
    // The ring's dark blue within `margin` pixels round the control (-1: inside it), as
    // the screen shows it.
    auto ringPixels = [&](const QWidget& control, int margin = 3) {
        QImage shot = window.view.grab().toImage();
        QRect around = QRect(control.mapTo(&window.view, QPoint(0, 0)), control.size())
                           .adjusted(-margin, -margin, margin, margin);
        int count = 0;
        for (int y = around.top(); y <= around.bottom(); ++y) {
            for (int x = around.left(); x <= around.right(); ++x)
                count += shot.pixelColor(x, y) == QColor(0, 80, 200);
        }
        return count;
    };
    QWidget& ga = Find<QWidget>("Restart");
    Key(Qt::Key_Tab);
    ASSERT_EQ(Focused(), "Restart");
    // Two pixels wide all round, above its neighbours, and none of it over the button.
    EXPECT_GE(ringPixels(ga), 4 * (ga.width() + ga.height()));
    EXPECT_EQ(ringPixels(ga, -1), 0);

    QWidget& form = *ga.parentWidget();
    QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(ringPixels(ga), 0);
    EXPECT_EQ(Focused(), "Restart");
}

TEST_F(KymbralWindowTest, KeysClickTheFocusedControlAsTheMouseDoes) {
    struct Case {
        const char* control;
        Qt::Key key;
        std::string z0Label;  // after Insert, Z0 reads 50
    };
    const Case cases[] = {
        {"KeyIn0", Qt::Key_Up, "51"},    {"KeyIn0", Qt::Key_Down, "49"},
        {"KeyIn0", Qt::Key_Space, "49"}, {"KeyIn0", Qt::Key_Return, "49"},
        {"KeyIn0", Qt::Key_Left, "50"},  {"Eject", Qt::Key_Return, "50"},
    };
    for (const Case& c : cases) {
        FakeClock clock{100};
        KymbralWindow fresh{clock, &messages};
        fresh.Open();
        QApplication::setActiveWindow(&fresh.view);
        auto* insert = fresh.view.findChild<QPushButton*>("Insert");
        insert->setFocus();
        QTest::keyClick(insert, Qt::Key_Return);
        ASSERT_TRUE(SampleInserted(fresh.model().form));
        ASSERT_EQ(fresh.model().form.ShimLabel[0].caption, "50");

        fresh.view.findChild<QWidget*>(c.control)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), c.key);
        EXPECT_EQ(fresh.model().form.ShimLabel[0].caption, c.z0Label) << c.control << c.key;
        EXPECT_EQ(SampleInserted(fresh.model().form), c.control != std::string("Eject"));
    }
}

namespace {

// Every interface below the form's: its name and role.
void Told(QAccessibleInterface* iface, std::map<std::string, QAccessible::Role>& told) {
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        EXPECT_EQ(iface->indexOfChild(child), i);  // how a reader finds its way back
        told[child->text(QAccessible::Name).toStdString()] = child->role();
        Told(child, told);
    }
}

}  // namespace

TEST_F(KymbralWindowTest, AssistiveTechnologyHearsEveryControlByItsName) {
    QAccessible::setActive(true);
    std::map<std::string, QAccessible::Role> told;
    Told(QAccessible::queryAccessibleInterface(&window.view), told);
    const std::pair<std::string, QAccessible::Role> expected[] = {
        {"Z0 shim", QAccessible::SpinBox},
        {"Z1 shim", QAccessible::SpinBox},
        {"Lock phase", QAccessible::SpinBox},
        {"Lock level", QAccessible::ProgressBar},
        {"Insert", QAccessible::Button},
        {"Intensity versus Hz or ppm, change the spectrum view", QAccessible::Button},
        {"Time, 0 s", QAccessible::StaticText},
        {"Command line", QAccessible::EditableText},
        {"PW90 (us)", QAccessible::EditableText},
        {"AutoGain", QAccessible::CheckBox},
        {"Experiment parameters", QAccessible::List},
        {"Spectrum line shape, Intensity versus Hz or ppm", QAccessible::Graphic},
        {"Magnetic Field along Z axis", QAccessible::Graphic},
        {"Lock graph", QAccessible::Graphic},
        {"Sample Properties:", QAccessible::StaticText},
    };
    for (const auto& [name, role] : expected) {
        ASSERT_TRUE(told.contains(name)) << name;
        EXPECT_EQ(told[name], role) << name;
    }
    // Each told control once, by a name; what another says already is not told again.
    EXPECT_FALSE(told.contains(""));
    EXPECT_FALSE(told.contains("Info2"));
    EXPECT_FALSE(told.contains("Label9"));

    EXPECT_FALSE(told.contains("Label7"));  // the angles' captions before the clock writes them
    // A plot is described by what it shows: with the sample out, nothing.
    QAccessibleInterface* spectrum =
        QAccessible::queryAccessibleInterface(&Find<QWidget>("PlotPeakShape"));
    EXPECT_EQ(spectrum->text(QAccessible::Description), "No line: no signal");

    // The focused knob's value follows its steps, in the range of its settings.
    Find<QWidget>("KeyIn1").setFocus();
    Key(Qt::Key_Up);
    QAccessibleInterface* knob = QAccessible::queryAccessibleInterface(&Find<QWidget>("KeyIn1"));
    EXPECT_EQ(knob->text(QAccessible::Name), "Z1 shim");
    QAccessibleValueInterface* value = knob->valueInterface();
    EXPECT_EQ(value->currentValue(), 1);
    EXPECT_EQ(value->minimumValue(), -32768);
    EXPECT_EQ(value->maximumValue(), 32767);
    QAccessible::setActive(false);
}

TEST(KymbralWindowKeys, AMessageBoxTakesTheKeysAndGivesTheFocusBack) {
    FakeClock clock{100};
    KymbralWindow window{clock};  // the desktop's own message boxes
    window.Open();
    QApplication::processEvents();
    QApplication::setActiveWindow(&window.view);
    auto* knob = window.view.findChild<QPushButton*>("KeyIn0");
    knob->setFocus();
    std::string focusedInBox;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QApplication::setActiveWindow(box);  // as the desktop does with a new window
        focusedInBox = QApplication::focusWidget() == box->button(QMessageBox::Ok) ? "OK" : "";
        // Keys for the window behind go nowhere, as its clicks do.
        QTest::keyClick(window.view.windowHandle(), Qt::Key_Up);
        QTest::keyClick(box, Qt::Key_Return);
    });
    window.view.findChild<QPushButton*>("Help")->click();

    EXPECT_EQ(focusedInBox, "OK");
    EXPECT_EQ(window.model().state.Z0, 50);
    QApplication::setActiveWindow(&window.view);
    EXPECT_EQ(QApplication::focusWidget(), knob);
    QTest::keyClick(knob, Qt::Key_Up);
    EXPECT_EQ(window.model().state.Z0, 51);
}
