#include "engine/ui/TNewKeysEvent.h"

#include "engine/ui/TViewCanvas.h"
#include "files/Sounds.h"
#include "forms/TEventsStg.h"
#include "keyboard/TKeyData.h"
#include "keyboard/ui/TFingers.h"
#include "keyboard/ui/TKeyboard.h"
#include "platform/Controls.h"
#include "platform/Latin1.h"
#include "shell/TBookForm.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>

namespace {

constexpr int GroupSize = 4;
// Key caps stand this far apart on the group picture.
constexpr int CapStep = 40;
const QColor PanelGreen(192, 220, 192);

} // namespace

TNewKeysEvent::TNewKeysEvent(const std::string& Line) : TCustomKeyboardEvent(Line) {}

TNewKeysEvent::~TNewKeysEvent() {
    BeforeDestruction();
    delete GroupPicture.data();
}

void TNewKeysEvent::Activate() {
    TCustomKeyboardEvent::Activate();
    if (Canvas) Canvas->hide();
    EventsStg->EventMsg->hide();
    TPanel* Panel = EventsStg->NewKeys;
    Borrow(Panel, BookForm->WidePage);
    Panel->move(0, 0);
    Panel->show();
    if (!GroupPicture) {
        GroupPicture = new TImage(BookForm);
        GroupPicture->setObjectName(QStringLiteral("GroupPicture"));
    }
    Borrow(GroupPicture, Panel);
    GroupPicture->setGeometry(140, 25, 260, 33);
    GroupPicture->show();
    TextPos = 0;
    NextGroup();
}

void TNewKeysEvent::NextGroup() {
    const std::string Source = Text ? *Text : std::string();
    if (TextPos >= std::int32_t(Source.size())) {
        Finish();
        return;
    }
    Group.clear();
    while (TextPos < std::int32_t(Source.size()) && int(Group.size()) < GroupSize) {
        const char C = Source[size_t(TextPos++)];
        if (C != '\n' && C != '\r' && C != ' ') Group += C;
    }
    // A text that ends in spaces or line ends has no keys left for a group.
    if (Group.empty()) {
        Finish();
        return;
    }
    Group += ' ';
    GroupIndex = 1;
    ShowCurrent();
}

void TNewKeysEvent::ShowCurrent() {
    if (GroupIndex < 1 || GroupIndex > std::int32_t(Group.size())) return;
    const char Ch = Group[size_t(GroupIndex - 1)];
    DrawGroup();
    SetTarget(Ch);
    ShowFinger();
}

void TNewKeysEvent::ShowFinger() {
    const int Finger = KeyData->FingerOf(KeyFor(Target));
    EventsStg->FingerLbl->setText(ToQ(TKeyData::FingerName(Finger)));
    if (Fingers) Fingers->ShowFinger(Finger);
}

void TNewKeysEvent::DeadKeyPressed() {
    TCustomKeyboardEvent::DeadKeyPressed();
    ShowFinger();
}

void TNewKeysEvent::DrawGroup() {
    if (!GroupPicture || !Keyboard) return;
    // Made with the pixels of the screen it is shown on, as the caps are.
    const qreal Ratio = GroupPicture->devicePixelRatioF();
    QPixmap Picture(GroupPicture->size() * Ratio);
    Picture.setDevicePixelRatio(Ratio);
    Picture.fill(PanelGreen);
    const int W = Keyboard->Geometry().KeyWidth;
    const int H = Keyboard->Geometry().KeyHeight;
    {
        QPainter P(&Picture);
        for (size_t I = 0; I < Group.size(); ++I) {
            const bool Last = I + 1 == Group.size();
            const int Level =
                std::int32_t(I) + 1 == GroupIndex ? TKeyboard::mlHighlighted : TKeyboard::mlPlain;
            const std::string Caption = Last ? std::string("Space") : std::string(1, Group[I]);
            P.drawPixmap(CapStep * int(I), 0,
                         Keyboard->KeyCapPicture(Caption, H, Last ? 3 * W : W, Level));
        }
    }
    GroupPicture->SetPicture(Picture);
}

void TNewKeysEvent::KeyPress(QObject* Sender, char& Key) {
    TCustomKeyboardEvent::KeyPress(Sender, Key);
    if (State == esCompleted) return;
    const char Typed = Key;
    Key = 0;
    if (State == esWaiting) Start();
    if (GroupIndex < 1 || GroupIndex > std::int32_t(Group.size())) return;
    const char Expected = Group[size_t(GroupIndex - 1)];
    if (Typed != Expected) {
        PlayEffect(ErrorSound);
        ShowExpected(std::string(1, Expected), std::string(1, Typed));
        return;
    }
    ++GroupIndex;
    if (GroupIndex > std::int32_t(Group.size()))
        NextGroup();
    else
        ShowCurrent();
}

void TNewKeysEvent::Finish() {
    TCustomKeyboardEvent::Finish();
    EventsStg->NewKeys->hide();
    SetTarget('\r');
    if (Fingers) Fingers->ShowFinger(8);
}
