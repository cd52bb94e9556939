#pragma once

#include "RecordingReminder.h"

#include <QDateTime>

class Clock;
class WorkPeriodView;

struct WorkPeriodState
{
    QDateTime startTime; // wall-clock time of the last Start; null before the first
    qint32 totalSeconds = 0; // set by Start only
    qint32 elapsedTicks = 0; // countdown events since the last Start or End
};

// The work period behind the Start, End and Pause buttons, the countdown timer
// and the two options. The remaining time is derived, never stored:
// totalSeconds - elapsedTicks, counted in timer events, so paused time does not
// count. Whether a period is paused is read from the buttons: Start and End
// both disabled.
class WorkPeriod
{
public:
    static constexpr int countdownPeriodMs = 1000;
    static constexpr int reminderPeriodAfterStartMs = 100;
    static constexpr int reminderPeriodAfterResumeMs = 1000;

    WorkPeriod(WorkPeriodView &view, const Clock &clock);

    void startPeriod();
    void endPeriod();
    void togglePause();
    void tick();
    void reminderTick();
    void guardReminderOption();
    void explainOvertimeOption();

    const WorkPeriodState &state() const { return m_state; }
    const ReminderState &reminderState() const { return m_reminder.state(); }

private:
    void resetReminderIfTicked(int reminderPeriodMs);
    QByteArray displayOf(const QByteArray &prefix, qint64 seconds) const;

    WorkPeriodView &m_view;
    const Clock &m_clock;
    WorkPeriodState m_state;
    RecordingReminder m_reminder;
};
