#include "platform/ShortDate.h"

#include "platform/Latin1.h"

#include <QDate>
#include <QLocale>

#include <cmath>

std::string ShortDateOf(double Time) {
    const QDate Day = QDate(1899, 12, 30).addDays(static_cast<qint64>(std::floor(Time)));
    return FromQ(QLocale::system().toString(Day, QLocale::ShortFormat));
}
