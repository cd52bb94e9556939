#include "ScenarioRunner.h"

#include "Gbk.h"

#include <QRegularExpression>

#include <optional>

using namespace Qt::Literals::StringLiterals;

static const QDateTime scenarioStart = Clock::wallClock(QDate(2015, 3, 7), QTime(9, 5, 7));

// The argument of "command argument": the rest of the line after the single
// space that follows the command words, as it stands; empty when the line is
// the command alone.
static std::optional<QStringView> argumentOf(QStringView line, QStringView command)
{
    if (line == command)
        return QStringView();
    if (line.startsWith(command) && line.size() > command.size() && line[command.size()] == u' ')
        return line.mid(command.size() + 1);
    return std::nullopt;
}

// "\r", "\n" and "\\" stand for CR, LF and a backslash; anything else stays.
static QString unescaped(QStringView text)
{
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            const QChar next = text[i + 1];
            if (next == u'r' || next == u'n' || next == u'\\') {
                plain += next == u'r' ? u'\r' : next == u'n' ? u'\n' : u'\\';
                ++i;
                continue;
            }
        }
        plain += text[i];
    }
    return plain;
}

ScenarioRunner::ScenarioRunner(LineSink sink)
    : m_sink(std::move(sink))
    , m_clock(scenarioStart)
    , m_window(m_clock, [this](const QString &line) { report(line); })
    , m_workPeriod(m_window, m_clock)
    , m_workLog(m_window)
{
}

void ScenarioRunner::report(const QString &line) const
{
    if (!m_inTimerEvent) {
        m_sink(line);
        return;
    }
    const qint64 ms = m_clock.elapsedMs();
    m_sink(u"@%1.%2 "_s.arg(ms / 1000).arg(ms % 1000, 3, 10, QChar(u'0')) + line);
}

bool ScenarioRunner::execute(QStringView line)
{
    if (line.trimmed().isEmpty() || line.startsWith(u'#'))
        return true;

    bool ok = false;
    if (const auto arg = argumentOf(line, u"clock")) {
        const QDateTime now = QDateTime::fromString(arg->toString(), u"yyyy-MM-dd HH:mm:ss"_s);
        ok = now.isValid();
        if (ok)
            m_clock.setWallClock(Clock::wallClock(now.date(), now.time()));
    } else if (const auto arg = argumentOf(line, u"minutes")) {
        m_window.typeMinutes(Gbk::fromUnicode(*arg));
        ok = true;
    } else if (const auto arg = argumentOf(line, u"content")) {
        m_window.typeContent(Gbk::fromUnicode(*arg));
        ok = true;
    } else if (const auto arg = argumentOf(line, u"edit-log")) {
        m_window.setLogText(Gbk::fromUnicode(unescaped(*arg)));
        ok = true;
    } else if (const auto arg = argumentOf(line, u"click")) {
        ok = click(*arg);
    } else if (const auto arg = argumentOf(line, u"run")) {
        ok = run(*arg);
    } else if (line == u"show") {
        showSnapshot();
        ok = true;
    }
    if (!ok)
        report(u"error "_s + line.toString());
    return ok;
}

bool ScenarioRunner::click(QStringView what)
{
    if (what == u"start") {
        if (m_window.startDisabled())
            report(u"ignored start"_s);
        else
            m_workPeriod.startPeriod();
    } else if (what == u"end") {
        if (m_window.endDisabled())
            report(u"ignored end"_s);
        else
            m_workPeriod.endPeriod();
    } else if (what == u"pause") {
        m_workPeriod.togglePause();
    } else if (what == u"reminder") {
        m_window.toggleReminderOption();
        m_workPeriod.guardReminderOption();
    } else if (what == u"overtime") {
        m_window.toggleOvertimeOption();
        m_workPeriod.explainOvertimeOption();
    } else if (what == u"clear ok" || what == u"clear cancel") {
        m_window.setNextQuestionAnswer(what == u"clear ok");
        m_workLog.clearLog();
    } else if (const auto path = argumentOf(what, u"export"); path && !path->isEmpty()) {
        m_window.setNextSavePath(*path == u"cancel" ? std::nullopt
                                                    : std::optional(path->toString()));
        m_workLog.exportLog();
    } else {
        return false;
    }
    return true;
}

bool ScenarioRunner::run(QStringView seconds)
{
    // Whole milliseconds only; twelve digits of seconds keep the product far
    // from overflow, and the bound below is what a run may actually take.
    static const QRegularExpression decimal(u"^(\\d{1,12})(?:\\.(\\d{1,3}))?$"_s);
    // Every timer event up to the end of a run is delivered, so its cost
    // grows with its length: a day with both timers running is close to a
    // million events, and twelve digits of seconds would take practically
    // forever. A longer stretch of time is written as several runs.
    static constexpr qint64 longestRunMs = qint64(24) * 60 * 60 * 1000;
    const QRegularExpressionMatch match = decimal.match(seconds.toString());
    if (!match.hasMatch())
        return false;
    const qint64 ms = match.capturedView(1).toLongLong() * 1000
        + match.captured(2).leftJustified(3, u'0').toLongLong();
    if (ms > longestRunMs)
        return false;
    deliverTimerEventsUntil(m_clock.elapsedMs() + ms);
    return true;
}

void ScenarioRunner::deliverTimerEventsUntil(qint64 target)
{
    for (;;) {
        SimulatedTimer &countdown = m_window.countdownTimer();
        SimulatedTimer &reminder = m_window.reminderTimer();
        const bool countdownDue = countdown.isRunning() && countdown.due() <= target;
        const bool reminderDue = reminder.isRunning() && reminder.due() <= target;
        if (!countdownDue && !reminderDue)
            break;
        // At the same millisecond the countdown goes first.
        const bool countdownFirst = countdownDue && (!reminderDue || countdown.due() <= reminder.due());
        SimulatedTimer &timer = countdownFirst ? countdown : reminder;

        m_clock.advanceTo(timer.due());
        timer.scheduleNext();
        m_inTimerEvent = true;
        if (countdownFirst)
            m_workPeriod.tick();
        else
            m_workPeriod.reminderTick();
        m_inTimerEvent = false;
    }
    m_clock.advanceTo(target);
}

void ScenarioRunner::showSnapshot()
{
    const auto enabled = [](bool disabled) { return disabled ? u"disabled"_s : u"enabled"_s; };
    const auto ticked = [](bool on) { return on ? u"ticked"_s : u"unticked"_s; };
    const WorkPeriodState &state = m_workPeriod.state();
    const ReminderState &reminder = m_workPeriod.reminderState();
    const QString startTime = state.startTime.isNull()
        ? u"none"_s
        : state.startTime.toString(u"yyyy-MM-dd HH:mm:ss"_s);

    report(u"= display: "_s + escapedText(m_window.displayText()));
    report(u"= start: "_s + enabled(m_window.startDisabled()));
    report(u"= end: "_s + enabled(m_window.endDisabled()));
    report(u"= reminder: "_s + ticked(m_window.reminderOptionTicked()));
    report(u"= overtime: "_s + ticked(m_window.overtimeOptionTicked()));
    report(u"= countdown-timer: "_s + QString::number(m_window.countdownTimer().period()));
    report(u"= reminder-timer: "_s + QString::number(m_window.reminderTimer().period()));
    report(u"= state: startTime=%1 totalSeconds=%2 elapsedTicks=%3 reminderTicks=%4 reminderThreshold=%5"_s
               .arg(startTime)
               .arg(state.totalSeconds)
               .arg(state.elapsedTicks)
               .arg(reminder.reminderTicks)
               .arg(reminder.reminderThreshold));
    report(u"= log: "_s + escapedText(m_window.logText()));
}
