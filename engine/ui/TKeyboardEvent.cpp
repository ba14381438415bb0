#include "engine/ui/TKeyboardEvent.h"

#include "engine/ui/TViewCanvas.h"
#include "files/Sounds.h"
#include "forms/TEventsStg.h"
#include "keyboard/TKeyData.h"
#include "keyboard/ui/TFingers.h"
#include "keyboard/ui/TKeyboard.h"
#include "platform/Trace.h"
#include "users/TDifficultKeys.h"

#include <QFrame>

TKeyboardEvent::TKeyboardEvent(const std::string& Line) : TCustomKeyboardEvent(Line) {
    ShowTarget = false;
}

std::string TKeyboardEvent::CurrentTarget() const {
    return Canvas ? Canvas->CurrentTarget() : std::string();
}

void TKeyboardEvent::Activate() {
    TCustomKeyboardEvent::Activate();
    const std::string Next = CurrentTarget();
    SetTarget(Next.empty() ? '\0' : Next[0]);
    EventsStg->EventMsg->hide();
}

void TKeyboardEvent::KeyPress(QObject* Sender, char& Key) {
    TCustomKeyboardEvent::KeyPress(Sender, Key);
    if (State == esCompleted || !Canvas) return;
    const char Typed = Key;
    // The drill has the keyboard: nothing it sees goes on to a control.
    Key = 0;
    if (State == esWaiting) Start();
    const std::string Expected = CurrentTarget();
    if (std::string(1, Typed) != Expected) {
        PlayEffect(ErrorSound);
        ShowExpected(Expected, std::string(1, Typed));
        if (Fingers) Fingers->ShowFinger(KeyData->FingerOf(KeyFor(Target)));
        DifficultKeys->RecordKey(static_cast<unsigned char>(Target), true);
        ++Misses;
        return;
    }
    DifficultKeys->RecordKey(static_cast<unsigned char>(Target), false);
    Canvas->Advance();
    if (Fingers) Fingers->ShowFinger(0);
    const std::string Next = CurrentTarget();
    SetTarget(Next.empty() ? '\0' : Next[0]);
    if (Next.empty()) {
        if (Tracing()) Trace("drill misses " + std::to_string(Misses));
        Finish();
    }
}

void TKeyboardEvent::Deactivate() {
    DifficultKeys->Merge();
    TCustomKeyboardEvent::Deactivate();
}
