#include "games/ui/TCustomGameEvent.h"

#include "forms/TEventsStg.h"
#include "users/TUser.h"

#include <QFrame>
#include <QLabel>

namespace {
// The score screen is as tall as one line of digits.
constexpr int ScoreScreenHeight = 40;
constexpr int SpeedScreenHeight = 105;
} // namespace

TCustomGameEvent::TCustomGameEvent(const std::string& Line) : TTimedEvent(Line) {}

void TCustomGameEvent::SetScore(int32_t N) {
    Score = N;
    EventsStg->PointsLabel->setText(QString::number(N));
}

void TCustomGameEvent::Activate() {
    TTimedEvent::Activate();
    EventsStg->Screen1->hide();
    EventsStg->SpeedTitle->hide();
    EventsStg->PointsTitle->show();
    EventsStg->PointsLabel->show();
    QFrame* Screen = EventsStg->Screen3;
    Screen->resize(Screen->width(), ScoreScreenHeight);
    SetScore(0);
}

void TCustomGameEvent::Finish() {
    TTimedEvent::Finish();
    EventsStg->MsgLabel1->setText(QStringLiteral("Game over."));
}

void TCustomGameEvent::Deactivate() {
    // Back as the console was designed.
    EventsStg->Screen1->show();
    EventsStg->Screen3->resize(EventsStg->Screen3->width(), SpeedScreenHeight);
    EventsStg->PointsTitle->hide();
    EventsStg->PointsLabel->hide();
    TTimedEvent::Deactivate();
}

std::string TCustomGameEvent::PlayerName() {
    return CurrentUser->FName;
}
