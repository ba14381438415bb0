#include "engine/ui/TMessageEvent.h"

#include "engine/ui/TViewCanvas.h"
#include "platform/Controls.h"
#include "platform/FileNames.h"
#include "shell/TBookForm.h"

#include <algorithm>

namespace {
constexpr int Top = 50;
constexpr int Margin = 15;
constexpr int TextWidth = 360;
constexpr int PlainTextLeft = 130;
} // namespace

TMessageEvent::TMessageEvent(const std::string& Line) : TEvent(Line) {
    StartPos = 0;
    Canvas = new TViewCanvas(BookForm);
    Canvas->setObjectName(QStringLiteral("MessageText"));
    Canvas->hide();
    Picture = new TImage(BookForm);
    Picture->setObjectName(QStringLiteral("MessagePicture"));
    Picture->hide();
    PictureLeft = UpperCase(Param(6)) == "LEFT";
}

TMessageEvent::~TMessageEvent() {
    // Close first, so the borrowed canvas and picture are back before they go.
    BeforeDestruction();
    delete Canvas.data();
    delete Picture.data();
}

TMessageEvent::TLayout TMessageEvent::PageLayout(int PageWidth, int PageHeight, QSize Picture,
                                                 bool Left, const QRect& Console) {
    TLayout L{};
    L.CanvasHeight = PageHeight - Top - Margin;
    L.PictureTop = Top;
    const int PictureWidth = Picture.width();
    if (PictureWidth <= 0) {
        L.CanvasLeft = PlainTextLeft;
        L.CanvasWidth = TextWidth;
    } else {
        int RightEdge;
        if (Left) {
            L.PictureLeft = Margin;
            L.CanvasLeft = Margin + PictureWidth + Margin;
            RightEdge = PageWidth;
        } else {
            L.PictureLeft = PageWidth - PictureWidth - Margin;
            L.CanvasLeft = Margin;
            RightEdge = L.PictureLeft;
        }
        L.CanvasWidth = std::min(RightEdge - L.CanvasLeft - Margin, TextWidth);
    }
    if (Console.isEmpty()) return L;
    // Nothing goes under the console of buttons, which would hide it: the
    // text ends beside it or above it, whichever leaves the text more room,
    // and a picture beside it rises above it.
    if (QRect(L.CanvasLeft, Top, L.CanvasWidth, L.CanvasHeight).intersects(Console)) {
        const int Narrower = std::max(0, Console.left() - Margin - L.CanvasLeft);
        const int Shorter = std::max(0, Console.top() - Margin - Top);
        if (Narrower * L.CanvasHeight >= L.CanvasWidth * Shorter)
            L.CanvasWidth = Narrower;
        else
            L.CanvasHeight = Shorter;
    }
    if (PictureWidth > 0 && QRect(QPoint(L.PictureLeft, L.PictureTop), Picture).intersects(Console))
        L.PictureTop = std::max(0, Console.top() - Margin - Picture.height());
    return L;
}

void TMessageEvent::Activate() {
    TEvent::Activate();
    if (!Canvas || !Picture) return;
    BookForm->Title->setText(QString::fromLatin1(Param(4).c_str()));

    // The picture takes its image's size in units, whatever the picture's
    // density; a missing file leaves the page without one.
    QPixmap Image;
    const std::string File = Param(5);
    if (IsMaterialName(File) && FileExists(File)) Image = LoadPictureFile(ResolveFileName(File));
    Picture->SetPicture(Image);
    const QSize Units = Image.isNull() ? QSize(0, 0) : Image.deviceIndependentSize().toSize();
    Picture->resize(Units);

    QWidget* Page = BookForm->WidePage;
    Borrow(Picture, Page);
    Borrow(Canvas, Page);

    Canvas->SetMode(3);
    QFont Font(QStringLiteral("Arial"));
    Font.setPointSize(11);
    Canvas->setFont(Font);
    Canvas->SetFontColor(Qt::black);

    // The console of buttons lies over the page's lower right corner.
    const QWidget* Console = BookForm->BtnConsole;
    const QRect ConsoleOnPage =
        Console->isHidden() ? QRect() : QRect(Console->pos() - Page->pos(), Console->size());
    const TLayout L = PageLayout(Page->width(), Page->height(), Units, PictureLeft, ConsoleOnPage);
    Canvas->setGeometry(L.CanvasLeft, Top, L.CanvasWidth, L.CanvasHeight);
    Picture->move(L.PictureLeft, L.PictureTop);
    Picture->setVisible(!Image.isNull());
    Canvas->show();
    Canvas->SetText(Text ? *Text : std::string(), 0);
    State = esCompleted;
}

void TMessageEvent::Deactivate() {
    // Hidden before they go back to the book window, which they do not belong on.
    if (Canvas) Canvas->hide();
    if (Picture) Picture->hide();
    TEvent::Deactivate();
}
