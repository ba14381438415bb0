#include "engine/ui/TCustomTextEvent.h"

#include "engine/ui/TViewCanvas.h"
#include "shell/TBookForm.h"
#include "users/TUser.h"

#include <QFont>

TCustomTextEvent::TCustomTextEvent(const std::string& Line) : TTimedEvent(Line) {
    Canvas = new TViewCanvas(BookForm);
    Canvas->setObjectName(QStringLiteral("ModelText"));
    Canvas->hide();
}

TCustomTextEvent::~TCustomTextEvent() {
    // Closed first, so that the canvas is back on the book before it goes.
    BeforeDestruction();
    delete Canvas.data();
}

void TCustomTextEvent::Activate() {
    TTimedEvent::Activate();
    if (!Canvas) return;
    Borrow(Canvas, BookForm->WidePage);
    Canvas->setGeometry(CanvasLeft, CanvasTop, CanvasWidth, CanvasHeight);
    QFont Font = Canvas->font();
    Font.setFamily(QStringLiteral("Times New Roman"));
    Font.setPointSize(CurrentUser->FLargeFont == 1 ? 18 : 14);
    Canvas->setFont(Font);
    Canvas->HighlightTextColor = QColor(0, 128, 0);
    Canvas->show();
    Canvas->SetText(Text ? *Text : std::string(), StartPos);
}

void TCustomTextEvent::Deactivate() {
    // Hidden before it goes back to the book window, where it does not belong.
    if (Canvas) Canvas->hide();
    TTimedEvent::Deactivate();
}
