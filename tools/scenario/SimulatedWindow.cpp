#include "SimulatedWindow.h"

#include "Gbk.h"
#include "Texts.h"
#include "VirtualClock.h"

using namespace Qt::Literals::StringLiterals;

QString escapedText(const QByteArray &gbk)
{
    QString escaped;
    for (const QChar c : Gbk::toUnicode(gbk)) {
        if (c == u'\r')
            escaped += u"\\r"_s;
        else if (c == u'\n')
            escaped += u"\\n"_s;
        else if (c == u'\\')
            escaped += u"\\\\"_s;
        else
            escaped += c;
    }
    return escaped;
}

static QString flag(bool value)
{
    return value ? u"true"_s : u"false"_s;
}

SimulatedWindow::SimulatedWindow(const VirtualClock &clock, LineSink sink)
    : m_clock(clock)
    , m_sink(std::move(sink))
    , m_minutes(texts().initialMinutes)
    , m_display(texts().resetDisplay)
    , m_log(texts().initialLog)
{
}

void SimulatedWindow::setDisplayText(const QByteArray &text)
{
    m_display = text;
    report(u"display "_s + escapedText(text));
}

void SimulatedWindow::setStartDisabled(bool disabled)
{
    m_startDisabled = disabled;
    report(u"start-disabled "_s + flag(disabled));
}

void SimulatedWindow::setEndDisabled(bool disabled)
{
    m_endDisabled = disabled;
    report(u"end-disabled "_s + flag(disabled));
}

void SimulatedWindow::setReminderOptionTicked(bool ticked)
{
    m_reminderTicked = ticked;
    report(u"reminder-ticked "_s + flag(ticked));
}

void SimulatedWindow::setCountdownTimerPeriod(int milliseconds)
{
    m_countdownTimer.setPeriod(milliseconds, m_clock.elapsedMs());
    report(u"countdown-timer "_s + QString::number(milliseconds));
}

void SimulatedWindow::setReminderTimerPeriod(int milliseconds)
{
    m_reminderTimer.setPeriod(milliseconds, m_clock.elapsedMs());
    report(u"reminder-timer "_s + QString::number(milliseconds));
}

void SimulatedWindow::appendToLog(const QByteArray &text)
{
    m_log += text;
    report(u"log "_s + escapedText(text));
}

void SimulatedWindow::showMessage(const QByteArray &text, const QByteArray &caption)
{
    report(u"message "_s + escapedText(caption) + u" | "_s + escapedText(text));
}

void SimulatedWindow::showNotification(const PopupRequest &request)
{
    report(u"popup "_s + escapedText(request.title) + u" | "_s + escapedText(request.body) + u" | "_s
           + QString::number(request.displayMs));
}

bool SimulatedWindow::askQuestion(const QByteArray &text, const QByteArray &caption)
{
    report(u"question "_s + escapedText(caption) + u" | "_s + escapedText(text));
    return m_nextQuestionAnswer;
}

std::optional<QString> SimulatedWindow::askSavePath(const QString &)
{
    return m_nextSavePath;
}
