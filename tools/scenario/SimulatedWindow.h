#pragma once

#include "SimulatedTimer.h"
#include "WorkLogView.h"
#include "WorkPeriodView.h"

#include <QString>

#include <functional>

class VirtualClock;

// The main window as the scenario runner sees it: control states in memory,
// two simulated timers, dialogs that answer at once with the answer the
// scenario gave, popups recorded rather than shown. Every write through the
// views is reported as one output line.
class SimulatedWindow final : public WorkPeriodView, public WorkLogView
{
public:
    using LineSink = std::function<void(const QString &line)>;

    SimulatedWindow(const VirtualClock &clock, LineSink sink);

    // WorkPeriodView
    QByteArray minutesText() const override { return m_minutes; }
    QByteArray contentText() const override { return m_content; }
    void setDisplayText(const QByteArray &text) override;
    bool startDisabled() const override { return m_startDisabled; }
    void setStartDisabled(bool disabled) override;
    bool endDisabled() const override { return m_endDisabled; }
    void setEndDisabled(bool disabled) override;
    bool reminderOptionTicked() const override { return m_reminderTicked; }
    void setReminderOptionTicked(bool ticked) override;
    bool overtimeOptionTicked() const override { return m_overtimeTicked; }
    void setCountdownTimerPeriod(int milliseconds) override;
    void setReminderTimerPeriod(int milliseconds) override;
    void appendToLog(const QByteArray &text) override;
    void showMessage(const QByteArray &text, const QByteArray &caption) override;
    void showNotification(const PopupRequest &request) override;

    // WorkLogView
    QByteArray logText() const override { return m_log; }
    void setLogText(const QByteArray &text) override { m_log = text; }
    bool askQuestion(const QByteArray &text, const QByteArray &caption) override;
    std::optional<QString> askSavePath(const QString &lastPath) override;

    // What the user does, outside the views
    void typeMinutes(const QByteArray &text) { m_minutes = text; }
    void typeContent(const QByteArray &text) { m_content = text; }
    void toggleReminderOption() { m_reminderTicked = !m_reminderTicked; }
    void toggleOvertimeOption() { m_overtimeTicked = !m_overtimeTicked; }
    void setNextQuestionAnswer(bool ok) { m_nextQuestionAnswer = ok; }
    void setNextSavePath(std::optional<QString> path) { m_nextSavePath = std::move(path); }

    SimulatedTimer &countdownTimer() { return m_countdownTimer; }
    SimulatedTimer &reminderTimer() { return m_reminderTimer; }
    const QByteArray &displayText() const { return m_display; }

private:
    void report(const QString &line) const { m_sink(line); }

    const VirtualClock &m_clock;
    LineSink m_sink;

    QByteArray m_minutes;
    QByteArray m_content;
    QByteArray m_display;
    QByteArray m_log;
    bool m_startDisabled = false;
    bool m_endDisabled = false;
    bool m_reminderTicked = false;
    bool m_overtimeTicked = false;
    SimulatedTimer m_countdownTimer;
    SimulatedTimer m_reminderTimer;

    bool m_nextQuestionAnswer = false;
    std::optional<QString> m_nextSavePath;
};

// A GBK text as one output field: CR, LF and backslash escaped.
QString escapedText(const QByteArray &gbk);
