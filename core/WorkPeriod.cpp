#include "WorkPeriod.h"

#include "Clock.h"
#include "Int32.h"
#include "Texts.h"
#include "ValueTexts.h"
#include "WorkPeriodView.h"

WorkPeriod::WorkPeriod(WorkPeriodView &view, const Clock &clock)
    : m_view(view)
    , m_clock(clock)
{
}

QByteArray WorkPeriod::displayOf(const QByteArray &prefix, qint64 seconds) const
{
    const MinuteSecondTexts parts = minuteSecondTexts(seconds);
    return prefix + parts.minutes + texts().displaySeparator + parts.seconds;
}

void WorkPeriod::resetReminderIfTicked(int reminderPeriodMs)
{
    if (!m_view.reminderOptionTicked())
        return;
    m_reminder.reset();
    m_view.setReminderTimerPeriod(reminderPeriodMs);
}

void WorkPeriod::startPeriod()
{
    const Texts &t = texts();
    m_state.startTime = m_clock.currentDateTime();
    m_view.appendToLog(t.lineBreak + dateTimeText(m_state.startTime) + t.startSuffix);
    m_view.appendToLog(t.contentPrefix + m_view.contentText());

    const QByteArray minutes = m_view.minutesText();
    m_state.totalSeconds = Int32::saturate(qint64(textToInteger(minutes)) * 60);
    m_state.elapsedTicks = 0;
    m_view.setCountdownTimerPeriod(countdownPeriodMs);
    resetReminderIfTicked(reminderPeriodAfterStartMs);
    // The display shows the entry as typed, not the number read from it.
    m_view.setDisplayText(t.countdownPrefix + twoDigitText(minutes) + t.displaySeparator + "00");
    m_view.setStartDisabled(true);
}

void WorkPeriod::endPeriod()
{
    const Texts &t = texts();
    resetReminderIfTicked(0);
    m_state.elapsedTicks = 0;
    m_view.setCountdownTimerPeriod(0);

    // Wall-clock time since the last Start, pauses included; nothing before
    // the first Start.
    const qint64 duration =
        m_state.startTime.isNull() ? 0 : m_state.startTime.secsTo(m_clock.currentDateTime());
    const MinuteSecondTexts parts = minuteSecondTexts(duration);
    m_view.appendToLog(t.durationPrefix + parts.minutes + t.durationMinutes + parts.seconds
                       + t.durationSeconds);
    m_view.setDisplayText(t.resetDisplay);
    m_view.appendToLog(t.lineBreak + dateTimeText(m_clock.currentDateTime()) + t.endSuffix);
    m_view.setStartDisabled(false);
}

void WorkPeriod::togglePause()
{
    const Texts &t = texts();
    const bool resuming = m_view.startDisabled() && m_view.endDisabled();
    const QByteArray now = dateTimeText(m_clock.currentDateTime());
    if (resuming) {
        m_view.appendToLog(t.lineBreak + now + t.resumeSuffix);
        m_view.setStartDisabled(false);
        m_view.setEndDisabled(false);
        m_view.setCountdownTimerPeriod(countdownPeriodMs);
        if (m_view.reminderOptionTicked())
            m_view.setReminderTimerPeriod(reminderPeriodAfterResumeMs);
    } else {
        m_view.appendToLog(t.lineBreak + now + t.pauseSuffix);
        m_view.setStartDisabled(true);
        m_view.setEndDisabled(true);
        m_view.setCountdownTimerPeriod(0);
        m_view.setReminderTimerPeriod(0);
    }
}

void WorkPeriod::tick()
{
    const Texts &t = texts();
    m_state.elapsedTicks = Int32::saturatingIncrement(m_state.elapsedTicks);
    const qint64 remaining = qint64(m_state.totalSeconds) - m_state.elapsedTicks;
    m_view.setDisplayText(displayOf(t.countdownPrefix, remaining));
    if (remaining >= 0)
        return;

    // The option is read on every tick past zero: unticking it during
    // overtime completes the period at the next tick.
    if (m_view.overtimeOptionTicked()) {
        m_view.setDisplayText(displayOf(t.overtimePrefix, -remaining));
        return;
    }
    m_view.showNotification({t.popupTitle, t.completionBody, notificationDisplayMs});
    endPeriod();
}

void WorkPeriod::reminderTick()
{
    m_reminder.reminderTick(m_view);
}

void WorkPeriod::guardReminderOption()
{
    if (!m_view.startDisabled())
        return;
    m_view.setReminderOptionTicked(false);
    m_view.showMessage(texts().reminderGuardMessage, texts().reminderGuardCaption);
}

void WorkPeriod::explainOvertimeOption()
{
    if (m_view.overtimeOptionTicked())
        m_view.showMessage(texts().overtimeMessage, texts().overtimeCaption);
}
