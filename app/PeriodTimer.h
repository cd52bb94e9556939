#pragma once

#include <QObject>
#include <QTimer>

// A window timer addressed by its period: 0 or less stops it; the period it
// already has changes nothing, so a running timer keeps its rhythm; any other
// period restarts it, its first event one full period later. QTimer alone
// restarts on every setInterval(), hence the guard.
class PeriodTimer : public QObject
{
    Q_OBJECT

public:
    explicit PeriodTimer(QObject *parent = nullptr);

    void setPeriod(int milliseconds);
    int period() const { return m_period; }

signals:
    void timeout();

private:
    QTimer m_timer;
    int m_period = 0;
};
