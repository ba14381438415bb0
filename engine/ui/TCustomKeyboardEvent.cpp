#include "engine/ui/TCustomKeyboardEvent.h"

#include "engine/ui/TViewCanvas.h"
#include "forms/TEventsStg.h"
#include "keyboard/TKeyData.h"
#include "keyboard/ui/TFingers.h"
#include "keyboard/ui/TKeyboard.h"
#include "platform/Controls.h"
#include "platform/ScanCodes.h"
#include "shell/TBookForm.h"

#include <QFrame>
#include <QLabel>

namespace {

// Where the finger guide stands, from the book's top left corner: under the
// keyboard, with the fingertips on the page. The page cuts the hands at its
// foot.
constexpr int FingersLeft = 80;
constexpr int FingersTop = 381;
// The console's top edge above the keyboard, and the gap above it.
constexpr int ConsoleAboveKeyboard = 25;
constexpr int CanvasTopInDrill = 13;
constexpr int CanvasGap = 5;

} // namespace

TCustomKeyboardEvent::TCustomKeyboardEvent(const std::string& Line) : TCustomTextEvent(Line) {
    Keyboard = new TKeyboard(BookForm, KeyData);
    Keyboard->hide();
    Fingers = new TFingers(BookForm);
    Fingers->hide();
    Keyboard->SetKeyFace(EventsStg->KeyFace->Picture());
    Fingers->SetBackground(EventsStg->FingersPic->Picture());
    for (int N = 1; N <= 9; ++N)
        Fingers->FingerPictures[size_t(N)] = EventsStg->Finger(N)->Picture();
    ShowTarget = true;
}

TCustomKeyboardEvent::~TCustomKeyboardEvent() {
    BeforeDestruction();
    delete Keyboard.data();
    delete Fingers.data();
}

void TCustomKeyboardEvent::Activate() {
    TCustomTextEvent::Activate();
    if (!Keyboard || !Fingers || !Canvas) return;
    EventsStg->SpeedTitle->hide();
    EventsStg->Screen1->hide();
    EventsStg->Screen3->hide();

    Borrow(Fingers, BookForm->WidePage);
    PlaceFingers();
    Fingers->show();
    BookForm->StatusBar->raise();

    Borrow(Keyboard, BookForm->WidePage);
    Keyboard->setGeometry(KeyboardLeft, KeyboardTop, KeyboardWidth, KeyboardHeight);
    Keyboard->SetBackground(Qt::black);
    Keyboard->SetKnownKeys(Setup.KnownKeys);
    Keyboard->show();

    QWidget* Console = EventsStg->LeftConsole;
    Console->move(Console->x(), Keyboard->y() - ConsoleAboveKeyboard);
    Canvas->setGeometry(Canvas->x(), CanvasTopInDrill, Canvas->width(),
                        Console->y() - CanvasTopInDrill - CanvasGap);
    Canvas->SetMode(0);
    Canvas->SetText(Text ? *Text : std::string(), 0);

    // A key clicked on the keyboard is typed like a key of the real one.
    Keyboard->OnKeyPress = [this](QObject* Sender, char& Key) { KeyPress(Sender, Key); };
    BookForm->OnResize = [this](QObject*) { PlaceFingers(); };
}

void TCustomKeyboardEvent::KeyPress(QObject* Sender, char& Key) {
    TCustomTextEvent::KeyPress(Sender, Key);
    if (Keyboard) Keyboard->PressKey(Key);
}

void TCustomKeyboardEvent::KeyUp(QObject* Sender, std::uint16_t& Key, TShiftState Shift) {
    TCustomTextEvent::KeyUp(Sender, Key, Shift);
    ReleaseKeys();
    if (FDeadKeyDone || Key == 0) return;
    for (const char C : FExpected) {
        char Dead = C;
        char Letter = 0;
        if ((KeyData->IsDeadKey(C) || KeyData->ComposedOf(C, Dead, Letter)) &&
            Key == VirtualKeyOfPosition(KeyData->KeyOf(Dead))) {
            FDeadKeyDone = true;
            DeadKeyPressed();
            return;
        }
    }
}

void TCustomKeyboardEvent::DeadKeyPressed() {
    ShowExpectedKeys(std::string());
    if (Fingers && Fingers->Finger != 0) Fingers->ShowFinger(KeyData->FingerOf(KeyFor(Target)));
}

void TCustomKeyboardEvent::Deactivate() {
    if (Keyboard) {
        Keyboard->OnKeyPress = nullptr;
        Keyboard->hide();
    }
    if (Fingers) Fingers->hide();
    TCustomTextEvent::Deactivate();
    EventsStg->SpeedTitle->show();
    EventsStg->Screen1->show();
    EventsStg->Screen3->show();
    BookForm->OnResize = nullptr;
}

void TCustomKeyboardEvent::SetTarget(char Ch) {
    Target = Ch;
    if (ShowTarget)
        ShowExpected(std::string(1, Ch), std::string());
    else {
        FExpected.clear();
        if (Keyboard) Keyboard->ClearMarks();
    }
}

void TCustomKeyboardEvent::ShowExpected(const std::string& Expected, const std::string& Wrong) {
    FExpected = Expected;
    FDeadKeyDone = false;
    ShowExpectedKeys(Wrong);
}

void TCustomKeyboardEvent::ShowExpectedKeys(const std::string& Wrong) {
    if (!Keyboard) return;
    std::string Keys;
    for (const char C : FExpected)
        Keys += KeyFor(C);
    Keyboard->MarkKeys(Keys, Wrong);
}

char TCustomKeyboardEvent::KeyFor(char Ch) const {
    // An accent alone is its dead key and then Space.
    if (KeyData->IsDeadKey(Ch) && KeyData->KeyOf(Ch) > 0) return FDeadKeyDone ? ' ' : Ch;
    char Dead = 0;
    char Letter = 0;
    if (!KeyData->ComposedOf(Ch, Dead, Letter)) return Ch;
    return FDeadKeyDone ? Letter : Dead;
}

void TCustomKeyboardEvent::PlaceFingers() {
    if (!Fingers) return;
    // The hands lie on the page, so they never reach the desk below the book
    // or the status bar, however large the window.
    QWidget* Page = BookForm->WidePage;
    const QRect Hands(QPoint(FingersLeft, FingersTop) - Page->pos(),
                      Fingers->Background.deviceIndependentSize().toSize());
    Fingers->setGeometry(Hands.intersected(Page->rect()));
}

void TCustomKeyboardEvent::ReleaseKeys() {
    if (Keyboard) Keyboard->PressKey(0);
}
