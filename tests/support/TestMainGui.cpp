// Test entry for widget and window tests (offscreen platform, set by CMake).
#include "platform/KeyboardLanguage.h"
#include "tests/support/TSeamGuard.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QApplication App(argc, argv);
    // The machine's own locale service never names a test's keyboard.
    SetLocaleCommand("");
    AddWidgetSeams();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
