#include "MainWindowBinding.h"

#include "Dialogs.h"
#include "Gbk.h"
#include "LogEdit.h"
#include "MainWindow.h"
#include "PeriodTimer.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

MainWindowBinding::MainWindowBinding(MainWindow &window, const Clock &clock, Notifier notify)
    : QObject(&window)
    , m_window(window)
    , m_notify(std::move(notify))
    , m_workPeriod(*this, clock)
    , m_workLog(*this)
{
    connect(window.startButton, &QPushButton::clicked, this, [this] { m_workPeriod.startPeriod(); });
    connect(window.endButton, &QPushButton::clicked, this, [this] { m_workPeriod.endPeriod(); });
    connect(window.pauseButton, &QPushButton::clicked, this, [this] { m_workPeriod.togglePause(); });
    connect(window.countdownTimer, &PeriodTimer::timeout, this, [this] { m_workPeriod.tick(); });
    connect(window.reminderTimer, &PeriodTimer::timeout, this, [this] { m_workPeriod.reminderTick(); });
    // clicked comes after the check box has toggled itself.
    connect(window.reminderOption, &QCheckBox::clicked, this, [this] { m_workPeriod.guardReminderOption(); });
    connect(window.overtimeOption, &QCheckBox::clicked, this, [this] { m_workPeriod.explainOvertimeOption(); });
    connect(window.clearButton, &QPushButton::clicked, this, [this] { m_workLog.clearLog(); });
    connect(window.exportButton, &QPushButton::clicked, this, [this] { m_workLog.exportLog(); });
}

QByteArray MainWindowBinding::minutesText() const
{
    return Gbk::fromUnicode(m_window.minutesEntry->text());
}

QByteArray MainWindowBinding::contentText() const
{
    return Gbk::fromUnicode(m_window.contentEntry->text());
}

void MainWindowBinding::setDisplayText(const QByteArray &text)
{
    m_window.display->setText(Gbk::toUnicode(text));
}

bool MainWindowBinding::startDisabled() const
{
    return !m_window.startButton->isEnabled();
}

void MainWindowBinding::setStartDisabled(bool disabled)
{
    m_window.startButton->setDisabled(disabled);
}

bool MainWindowBinding::endDisabled() const
{
    return !m_window.endButton->isEnabled();
}

void MainWindowBinding::setEndDisabled(bool disabled)
{
    m_window.endButton->setDisabled(disabled);
}

bool MainWindowBinding::reminderOptionTicked() const
{
    return m_window.reminderOption->isChecked();
}

void MainWindowBinding::setReminderOptionTicked(bool ticked)
{
    m_window.reminderOption->setChecked(ticked);
}

bool MainWindowBinding::overtimeOptionTicked() const
{
    return m_window.overtimeOption->isChecked();
}

void MainWindowBinding::setCountdownTimerPeriod(int milliseconds)
{
    m_window.countdownTimer->setPeriod(milliseconds);
}

void MainWindowBinding::setReminderTimerPeriod(int milliseconds)
{
    m_window.reminderTimer->setPeriod(milliseconds);
}

void MainWindowBinding::appendToLog(const QByteArray &text)
{
    m_window.log->appendGbk(text);
}

void MainWindowBinding::showMessage(const QByteArray &text, const QByteArray &caption)
{
    Dialogs::showInformation(text, caption);
}

void MainWindowBinding::showNotification(const PopupRequest &request)
{
    if (m_notify)
        m_notify(request);
}

QByteArray MainWindowBinding::logText() const
{
    return m_window.log->gbkText();
}

void MainWindowBinding::setLogText(const QByteArray &text)
{
    m_window.log->setGbkText(text);
}

bool MainWindowBinding::askQuestion(const QByteArray &text, const QByteArray &caption)
{
    return Dialogs::askQuestion(text, caption);
}

std::optional<QString> MainWindowBinding::askSavePath(const QString &lastPath)
{
    return Dialogs::askSavePath(lastPath);
}
