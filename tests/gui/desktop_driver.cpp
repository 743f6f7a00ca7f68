// Drives a program's real window, offscreen, with the test fakes, the way the
// browser tests drive its page, and writes what it shows: the window's
// picture and its control models as the page is told them.
//
//   desktop_driver kymbral|tessivar FOLDER < STEPS
//
// One step a line:
//   click NAME [left|right|middle [X Y]]  press and release on the control, at
//                                         X, Y twips from its content's corner
//   type NAME TEXT                        the text box's text replaced by TEXT, then Enter
//   tick N                                N ticks of the clock, 10 ms apart
//   snap STATE                            FOLDER/STATE.png and FOLDER/STATE.json
//   snap-at-message STATE                 the same, behind the next message box
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "desktop_driver.h"
#include "json_out.h"

namespace {

Qt::MouseButton ButtonNamed(const std::string& name) {
    if (name == "right") return Qt::RightButton;
    if (name == "middle") return Qt::MiddleButton;
    return Qt::LeftButton;
}

class Driver {
  public:
    Driver(Driven& driven, SnappingMessages& messages, std::filesystem::path folder)
        : d_(driven), messages_(messages), folder_(std::move(folder)) {}

    void Run(std::istream& steps) {
        std::string line;
        while (std::getline(steps, line)) {
            std::istringstream words(line);
            std::string step, name;
            words >> step >> name;
            if (step == "click") {
                Click(name, words);
            } else if (step == "type") {
                std::string text;
                std::getline(words >> std::ws, text);
                Type(name, text);
            } else if (step == "tick") {
                d_.tick(std::stoi(name));
            } else if (step == "snap") {
                Snap(name);
            } else if (step == "snap-at-message") {
                messages_.atNext = [this, name] { SnapBehindMessage(name); };
            } else if (!step.empty()) {
                throw std::invalid_argument("unknown step: " + line);
            }
        }
    }

  private:
    void Click(const std::string& name, std::istringstream& words) {
        std::string button = "left";
        double x = -1, y = -1;
        words >> button >> x >> y;
        auto [rect, corner] = d_.places.of.at(name);
        QPoint at = x < 0 ? rect.center() : corner + QPointF(x, y).toPoint() / kTwipsPerPixel;
        // Whatever lies on top there takes the click, as on the screen.
        QWidget* target = d_.view->childAt(at);
        if (target == nullptr) target = d_.view;
        // The mouse comes there first, as a hand or a browser test moves it.
        QPoint local = target->mapFrom(d_.view, at);
        QTest::mouseMove(target, local);
        QTest::mouseClick(target, ButtonNamed(button), {}, local);
    }

    void Type(const std::string& name, const std::string& text) {
        auto* box = d_.view->findChild<QLineEdit*>(QString::fromStdString(name));
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString::fromStdString(text));
        QTest::keyClick(box, Qt::Key_Return);
    }

    // The window behind a message box has lost the keyboard to it.
    void SnapBehindMessage(const std::string& state) {
        QWidget* focused = QApplication::focusWidget();
        if (focused) focused->clearFocus();
        Snap(state);
        if (focused) focused->setFocus();
    }

    void Snap(const std::string& state) {
        d_.view->Sync();
        auto file = [&](const char* ending) { return folder_ / (state + ending); };
        d_.view->grab().toImage().save(QString::fromStdString(file(".png").string()));
        JsonOut shown;
        shown.Open('[');
        for (const auto& [title, text] : messages_.shown)
            shown.Open('[').Value(title).Value(text).Close(']');
        std::ofstream(file(".json"))
            << "{\"form\":" << d_.models() << ",\"messages\":" << shown.Close(']').Text() << "}\n";
    }

    Driven& d_;
    SnappingMessages& messages_;
    std::filesystem::path folder_;
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) return 2;  // see the usage above
    SnappingMessages messages;
    Driven driven =
        argv[1] == std::string("kymbral") ? DriveKymbral(messages) : DriveTessivar(messages);
    QApplication::processEvents();  // the first activation
    Driver(driven, messages, argv[2]).Run(std::cin);
    return 0;
}
