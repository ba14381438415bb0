// Helpers shared by the benchmarks that measure painting.
#pragma once

#include <QEvent>
#include <QObject>

// Counts paint events, so that a run whose samples repaint nothing is
// noticed instead of reported as fast.
class TPaintCounter : public QObject {
public:
    int Paints = 0;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::Paint) ++Paints;
        return QObject::eventFilter(Watched, Event);
    }
};
