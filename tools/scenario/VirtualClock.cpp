#include "VirtualClock.h"

VirtualClock::VirtualClock(const QDateTime &start)
    : m_wallAtStart(start)
{
}

QDateTime VirtualClock::currentDateTime() const
{
    const QDateTime now = m_wallAtStart.addMSecs(m_elapsedMs);
    return wallClock(now.date(), now.time());
}

void VirtualClock::setWallClock(const QDateTime &now)
{
    m_wallAtStart = now.addMSecs(-m_elapsedMs);
}
