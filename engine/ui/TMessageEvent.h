// A page of text with an optional picture, on the right or on the left. It
// is complete from the start: Enter goes on at once and leaving asks nothing.
//
// Tokens of its line after the text source: 4 the page title, 5 a picture
// file, 6 "LEFT" (any case) to put the picture on the left.
#pragma once

#include "engine/ui/TEvent.h"

#include <QPointer>
#include <QRect>

class TImage;
class TViewCanvas;

class TMessageEvent : public TEvent {
public:
    explicit TMessageEvent(const std::string& Line);
    ~TMessageEvent() override;

    // Made with the book window as owner; the event frees them.
    QPointer<TViewCanvas> Canvas;
    QPointer<TImage> Picture;
    bool PictureLeft = false;

    void Activate() override;
    void Deactivate() override;

    // Where the page's parts go on a wide page of PageWidth x PageHeight,
    // with a picture of that size in units (width 0 for none), clear of the
    // console of buttons where it lies on the page.
    struct TLayout {
        int CanvasLeft, CanvasWidth, CanvasHeight, PictureLeft, PictureTop;
    };
    static TLayout PageLayout(int PageWidth, int PageHeight, QSize Picture, bool Left,
                              const QRect& Console = QRect());
};
