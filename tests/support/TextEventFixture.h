// The world a text event runs in: the program's objects and windows as
// start-up makes them, a learner, a fake clock and dialogs answered by the
// test, in a temporary program directory; and the learner's typing.
#pragma once

#include "tests/support/EventFixture.h"

#include <string>

class TextEventTest : public EventTest {
protected:
    // Types Keys through the book window's QWindow, the clock moving Step
    // clock seconds before each key. "\b" is backspace, "\r" Enter, "\t" Tab.
    void Type(const std::string& Keys, double Step = 0.3);
};
