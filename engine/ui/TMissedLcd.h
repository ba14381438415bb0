// A row of lamps, the first Lit of which are lit: the bubbles game shows
// its missed bubbles with it. The lamp pictures belong to the user of the
// control; the control sizes itself to the row they make.
#pragma once

#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <vector>

// Where the lamps of a row go: Count lamps side by side from x = 0, the
// first Lit of them showing the lit picture. A missing picture has size 0
// and takes no room. Lit is counted within 0..Count.
struct TLampRow {
    struct TLamp {
        QRect Box;
        bool On;
    };
    std::vector<TLamp> Lamps;
    QSize Size; // total width, tallest picture
};
TLampRow LayLamps(int Count, int Lit, QSize OffSize, QSize OnSize);

class TMissedLcd : public QWidget {
public:
    explicit TMissedLcd(QWidget* Parent = nullptr);

    void SetCount(int N);
    void SetLit(int N);
    int Count() const { return FCount; }
    int Lit() const { return FLit; }
    // The pictures of a dark and of a lit lamp.
    void SetPictures(const QPixmap& Off, const QPixmap& On);
    const QPixmap& OffPicture() const { return FOffPicture; }
    const QPixmap& OnPicture() const { return FOnPicture; }

    // A round lamp drawn in code, for users without pictures of their own.
    static QPixmap DrawnLamp(bool On, int Diameter = 10);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    TLampRow Layout(int Lit) const;
    // Takes the row's size when there are pictures to measure.
    void FitToRow(const TLampRow& Row);

    int FCount = 0;
    int FLit = 0;
    QPixmap FOffPicture;
    QPixmap FOnPicture;
};
