// What a widget is asked to paint, for the tests of the gauges' repaints.
#pragma once

#include "tests/support/TDriver.h"

#include <QEvent>
#include <QPaintEvent>
#include <QWidget>

#include <vector>

class TPaintLog : public QObject {
public:
    explicit TPaintLog(QWidget* Watched) { Watched->installEventFilter(this); }
    std::vector<QRect> Rects;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::Paint)
            Rects.push_back(static_cast<QPaintEvent*>(Event)->rect());
        return QObject::eventFilter(Watched, Event);
    }
};

// Lets pending paints happen.
inline void Settle() {
    WaitUntil([] { return false; }, 60);
}
