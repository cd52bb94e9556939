#pragma once

#include "PopupRequest.h"

#include <QByteArray>

// The main window's controls as the work period sees them. The work period
// reads and writes only through this interface, so it runs without a window:
// the program binds it to widgets, the scenario runner to a simulation.
//
// Timer periods follow one rule, which the work period relies on: 0 or less
// stops the timer; the period the timer already has changes nothing (a running
// timer keeps its rhythm); any other period restarts it, its first event one
// full period after the write.
class WorkPeriodView
{
public:
    virtual ~WorkPeriodView() = default;

    virtual QByteArray minutesText() const = 0;
    virtual QByteArray contentText() const = 0;
    virtual void setDisplayText(const QByteArray &text) = 0;

    virtual bool startDisabled() const = 0;
    virtual void setStartDisabled(bool disabled) = 0;
    virtual bool endDisabled() const = 0;
    virtual void setEndDisabled(bool disabled) = 0;

    virtual bool reminderOptionTicked() const = 0;
    virtual void setReminderOptionTicked(bool ticked) = 0;
    virtual bool overtimeOptionTicked() const = 0;

    virtual void setCountdownTimerPeriod(int milliseconds) = 0;
    virtual void setReminderTimerPeriod(int milliseconds) = 0;

    // Appends the text at the very end of the log, whatever the user has
    // selected, scrolls the end into view and records nothing for undo.
    virtual void appendToLog(const QByteArray &text) = 0;

    // A modal information box with one OK button; returns once dismissed.
    // Timer events go on being delivered while it is open.
    virtual void showMessage(const QByteArray &text, const QByteArray &caption) = 0;

    // Shows the popup and returns at once; the popup lives on by itself.
    virtual void showNotification(const PopupRequest &request) = 0;
};
