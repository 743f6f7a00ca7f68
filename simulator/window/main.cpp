#include <QApplication>
#include <QWidget>

#include "form_load.h"
#include "steady_clock.h"

namespace {

class NoMessages : public MessageBoxes {
public:
    void Show(const std::string&, const std::string&) override {}
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SteadyClock clock;
    NoMessages messages;
    Kymbral kymbral(clock, messages);
    Form_Load(kymbral);

    QWidget window;
    window.setWindowTitle("Kymbral (alpha version)");
    window.resize(1277, 679);
    window.show();
    return app.exec();
}
