// A horizontal gauge: a bar filled from the left to its progress (0..100)
// in its fore colour over its back colour, with a thin frame.
#pragma once

#include <QColor>
#include <QWidget>

class TGauge : public QWidget {
public:
    explicit TGauge(QWidget* Parent = nullptr);
    void SetProgress(int Progress);
    int Progress() const { return FProgress; }
    void SetColors(const QColor& Fore, const QColor& Back);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    int FProgress = 0;
    QColor FFore = QColor(0, 128, 0);
    QColor FBack = QColor(192, 220, 192);
};
