#pragma once

#include "Clock.h"

// The scenario's time: a millisecond count since the scenario began, which
// drives the timers, and a wall-clock reading that the scenario may set.
class VirtualClock final : public Clock
{
public:
    explicit VirtualClock(const QDateTime &start);

    QDateTime currentDateTime() const override;

    qint64 elapsedMs() const { return m_elapsedMs; }
    void advanceTo(qint64 elapsedMs) { m_elapsedMs = elapsedMs; }

    // From now on the wall clock reads this; the elapsed count is untouched,
    // so running timers keep their remaining time.
    void setWallClock(const QDateTime &now);

private:
    QDateTime m_wallAtStart;
    qint64 m_elapsedMs = 0;
};
