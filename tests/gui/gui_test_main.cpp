#include <gtest/gtest.h>
#include <QApplication>

#include "qt_appearance.h"

int main(int argc, char** argv) {
    // Also when the tests are listed or run by hand, outside CTest's environment.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    UseEmbeddedFonts();
    return RUN_ALL_TESTS();
}
