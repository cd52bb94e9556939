#pragma once

#include <QDateTime>

// Every reading of the time goes through a Clock, so tests drive a virtual one.
//
// A reading is a local wall-clock date-time to the whole second. It is kept in
// a QDateTime set to UTC only as a zone-free carrier: differences are
// taken between wall-clock readings, so 1830 s after 09:05:07 is 09:35:37 on
// any machine. A null QDateTime stands for "no time yet".
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime currentDateTime() const = 0;

    // A wall-clock reading from its local date and time, fractions dropped.
    static QDateTime wallClock(QDate date, QTime time);
};

class SystemClock final : public Clock
{
public:
    QDateTime currentDateTime() const override;
};
