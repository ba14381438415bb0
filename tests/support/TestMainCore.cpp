// Test entry for logic tests: a core application object, no windows.
#include "platform/KeyboardLanguage.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QCoreApplication App(argc, argv);
    // The machine's own locale service never names a test's keyboard.
    SetLocaleCommand("");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
