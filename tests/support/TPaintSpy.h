// Records what a widget is asked to repaint, for the tests that a change
// repaints only what it changed.
#pragma once

#include "tests/support/TDriver.h"

#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>
#include <QWidget>

#include <vector>

class TPaintSpy : public QObject {
public:
    explicit TPaintSpy(QWidget* Widget) { Widget->installEventFilter(this); }
    // The region of each paint, in order.
    std::vector<QRegion> Regions;
    // Everything repainted since the last Reset.
    QRegion All() const {
        QRegion R;
        for (const QRegion& Part : Regions)
            R += Part;
        return R;
    }
    // The rectangle around each paint's region, in order.
    std::vector<QRect> Rects() const {
        std::vector<QRect> Result;
        for (const QRegion& Part : Regions)
            Result.push_back(Part.boundingRect());
        return Result;
    }
    void Reset() { Regions.clear(); }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::Paint)
            Regions.push_back(static_cast<QPaintEvent*>(Event)->region());
        return QObject::eventFilter(Watched, Event);
    }
};

// True when every rectangle of R lies inside one of the row bands Bands.
inline bool InsideBands(const QRegion& R, const std::vector<QRect>& Bands) {
    for (const QRect& Part : R) {
        bool Inside = false;
        for (const QRect& Band : Bands) {
            QRect Row(0, Band.top(), 1 << 20, Band.height());
            if (Row.contains(Part)) Inside = true;
        }
        if (!Inside) return false;
    }
    return true;
}

// Lets pending paints happen.
inline void Settle() {
    WaitUntil([] { return false; }, 60);
}
