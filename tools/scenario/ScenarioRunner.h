#pragma once

#include "SimulatedWindow.h"
#include "VirtualClock.h"
#include "WorkLog.h"
#include "WorkPeriod.h"

#include <QString>
#include <QStringView>

#include <functional>

// Drives the work period from a scenario, one command a line, and reports what
// the window would show, one line for each effect. The scenario's time starts
// at 2015-03-07 09:05:07 and moves only with "run".
class ScenarioRunner
{
public:
    using LineSink = std::function<void(const QString &line)>;

    explicit ScenarioRunner(LineSink sink);

    // Executes one input line; false when the line could not be read (an
    // "error" line has then been reported).
    bool execute(QStringView line);

private:
    bool click(QStringView what);
    bool run(QStringView seconds);
    void deliverTimerEventsUntil(qint64 target);
    void showSnapshot();
    void report(const QString &line) const;

    LineSink m_sink;
    VirtualClock m_clock;
    SimulatedWindow m_window;
    WorkPeriod m_workPeriod;
    WorkLog m_workLog;
    bool m_inTimerEvent = false;
};
