#include "PeriodTimer.h"

PeriodTimer::PeriodTimer(QObject *parent)
    : QObject(parent)
{
    // A coarse timer may fire up to 5 % early; the countdown counts events,
    // so every early event would shorten the period.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &PeriodTimer::timeout);
}

void PeriodTimer::setPeriod(int milliseconds)
{
    milliseconds = qMax(milliseconds, 0);
    if (milliseconds == m_period)
        return;
    m_period = milliseconds;
    if (milliseconds == 0)
        m_timer.stop();
    else
        m_timer.start(milliseconds);
}
