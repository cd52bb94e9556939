#include "Clock.h"

QDateTime Clock::wallClock(QDate date, QTime time)
{
    return QDateTime(date, QTime(time.hour(), time.minute(), time.second()), Qt::UTC);
}

QDateTime SystemClock::currentDateTime() const
{
    const QDateTime local = QDateTime::currentDateTime();
    return wallClock(local.date(), local.time());
}
