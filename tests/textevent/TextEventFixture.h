// The world a text event runs in: the book window with the event, chapter
// and shared storage forms, the analysis objects, a fresh difficult-keys
// table, the results page and the chapter container, a learner, a fake
// clock and dialogs answered by the test, in a temporary program directory.
#pragma once

#include "platform/Clock.h"
#include "tests/support/TDriver.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class QLabel;
class TEvent;

class TextEventTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the event modally while the driver works through its steps;
    // returns the event's result code.
    int RunEvent(TEvent& Event, TDriver& Driver);

    // Types Keys through the book window's QWindow, the clock moving Step
    // clock seconds before each key. "\b" is backspace, "\r" Enter, "\t" Tab.
    void Type(const std::string& Keys, double Step = 0.3);

    // The answer the learner gives to confirmations.
    int Answer = 6; // mrYes

    TFakeClock Clock;
    std::unique_ptr<TScopedTempDir> Dir;
};

std::string TextOf(const QLabel* Label);
