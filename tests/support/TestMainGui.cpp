// Test entry for widget and window tests (offscreen platform, set by CMake).
#include "tests/support/TSeamGuard.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QApplication App(argc, argv);
    AddWidgetSeams();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
