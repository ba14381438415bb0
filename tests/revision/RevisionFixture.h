// The revision tab in the running program: a learner with five key groups and
// some difficult keys, keys typed as the learner types them, the page that is
// open, and screenshots of the book when CLAVORA_TEST_SHOTS names a folder.
#pragma once

#include "tests/support/ProgramFixture.h"

#include "platform/Clock.h"
#include "tests/support/TFakeClock.h"

#include <string>

class TEvent;

class RevisionTest : public ProgramTest {
protected:
    void SetUp() override;

    // Nora: groups "fj", "dk", "sl", "a;", "qz" (all five reached; the bank
    // has q and z only from later levels); j and f difficult (120 and 100),
    // d a little (20).
    static void MakeNora();
    // Types the characters through the book window, the clock moving on a
    // clock second per key.
    void Type(const std::string& Keys);
    static void Shot(const std::string& Name);

    TFakeClock Clock;
};

// The top-level page now open, if it is of class T.
template <class T> T* OpenPage();
bool RevisionMenuShown();

#include "shell/TFormView.h"

template <class T> T* OpenPage() {
    TFormView* View = TFormView::ActiveView();
    return View && View->IsOpen ? dynamic_cast<T*>(View) : nullptr;
}
