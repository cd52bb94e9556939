#pragma once

#include <QtGlobal>

class WorkPeriodView;

struct ReminderState
{
    qint32 reminderTicks = 0;
    qint32 reminderThreshold = 0; // 360 after every reset
};

// Counts the reminder timer's events and asks the user to write down what was
// done once the count passes the threshold: the 361st event after a reset.
// The work period resets it and arms and stops its timer.
class RecordingReminder
{
public:
    static constexpr qint32 threshold = 360;

    void reset();
    void reminderTick(WorkPeriodView &view);

    const ReminderState &state() const { return m_state; }

private:
    ReminderState m_state;
};
