// Every test program runs inside an offscreen Qt application, so window
// tests need no display, and with the recording message service, so no test
// blocks on a message box.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The programs fix the logical resolution the same way, so text sizes in
    // the tests are those on every screen.
    setenv("QT_FONT_DPI", "96", 1);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
