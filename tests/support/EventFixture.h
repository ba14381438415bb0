// The world an event runs in: the book window, the two event storage forms,
// the settings, a learner, a fake clock and dialogs answered by the test, in a
// temporary program directory.
#pragma once

#include "platform/Clock.h"
#include "tests/support/TDriver.h"
#include "tests/support/TFakeClock.h"
#include "tests/support/TSeamGuard.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class TEvent;
struct TEventRecord;

class EventTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The answer the learner gives to confirmations.
    int Answer = 6; // mrYes
    // How many dialogs were shown, and the text of the last one.
    int DialogCount() const;
    std::string LastDialog() const;

    // Runs the event modally while the driver works through its steps;
    // returns the event's result code.
    int RunEvent(TEvent& Event, TDriver& Driver);
    // The same through the program's runner, with the setup the event holds:
    // the after-event hook then decides the page that follows.
    TEventRecord RunAsProgram(TEvent& Event, TDriver& Driver);

    TFakeClock Clock;
    // Puts back every seam after TearDown (declared after the clock it may
    // point at).
    TSeamGuard Seams;
    std::unique_ptr<TScopedTempDir> Dir;
};

class QLabel;
std::string TextOf(const QLabel* Label);
