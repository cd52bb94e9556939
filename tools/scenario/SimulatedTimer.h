#pragma once

#include <QtGlobal>

// A timer on the scenario's millisecond count, with the period rule of the
// window's timers: 0 or less stops it, the current period changes nothing,
// any other period restarts it one full period from now.
class SimulatedTimer
{
public:
    void setPeriod(int milliseconds, qint64 now)
    {
        milliseconds = qMax(milliseconds, 0);
        if (milliseconds == m_period)
            return;
        m_period = milliseconds;
        m_due = now + milliseconds;
    }

    int period() const { return m_period; }
    bool isRunning() const { return m_period > 0; }
    qint64 due() const { return m_due; }

    // Called as the event is delivered: the next one is one period later,
    // unless the handler writes a new period.
    void scheduleNext() { m_due += m_period; }

private:
    int m_period = 0;
    qint64 m_due = 0;
};
