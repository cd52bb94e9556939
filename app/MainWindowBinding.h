#pragma once

#include "WorkLog.h"
#include "WorkLogView.h"
#include "WorkPeriod.h"
#include "WorkPeriodView.h"

#include <QObject>

#include <functional>

class Clock;
class MainWindow;

// Binds the main window to the work period: every member of the views to one
// control property or dialog, every control event to one operation. Lives as
// a child of the window and goes with it.
class MainWindowBinding : public QObject, public WorkPeriodView, public WorkLogView
{
    Q_OBJECT

public:
    using Notifier = std::function<void(const PopupRequest &)>;

    MainWindowBinding(MainWindow &window, const Clock &clock, Notifier notify);

    const WorkPeriod &workPeriod() const { return m_workPeriod; }

    // WorkPeriodView
    QByteArray minutesText() const override;
    QByteArray contentText() const override;
    void setDisplayText(const QByteArray &text) override;
    bool startDisabled() const override;
    void setStartDisabled(bool disabled) override;
    bool endDisabled() const override;
    void setEndDisabled(bool disabled) override;
    bool reminderOptionTicked() const override;
    void setReminderOptionTicked(bool ticked) override;
    bool overtimeOptionTicked() const override;
    void setCountdownTimerPeriod(int milliseconds) override;
    void setReminderTimerPeriod(int milliseconds) override;
    void appendToLog(const QByteArray &text) override;
    void showMessage(const QByteArray &text, const QByteArray &caption) override;
    void showNotification(const PopupRequest &request) override;

    // WorkLogView
    QByteArray logText() const override;
    void setLogText(const QByteArray &text) override;
    bool askQuestion(const QByteArray &text, const QByteArray &caption) override;
    std::optional<QString> askSavePath(const QString &lastPath) override;

private:
    MainWindow &m_window;
    Notifier m_notify;
    WorkPeriod m_workPeriod;
    WorkLog m_workLog;
};
