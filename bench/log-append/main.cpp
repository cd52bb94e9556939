// Appends 100,000 entries to the program's log control, shown in its place's
// size, and prints how long one append takes early and late, in
// microseconds, then the seconds for all:
//   "<at the 100th> <at the 100,000th> <insertion alone at the 100th>
//    <insertion alone at the 100,000th> <s for all>"
// One append is measured as the user meets it: the insertion and the repaint
// it causes; the insertion alone is shown too, as the repaint may hide it.
// Each mark is the median of the 100 appends around it, as a single append
// is at the mercy of the scheduler.

#include "LogEdit.h"
#include "Texts.h"
#include "ValueTexts.h"

#include <QApplication>
#include <QDateTime>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using Clock = std::chrono::steady_clock;

static constexpr int entries = 100'000;
static constexpr int window = 100;

// What a period writes most: a start line with its date-time.
static QByteArray entry(int index)
{
    static const QDateTime first(QDate(2015, 3, 7), QTime(9, 5, 7));
    return texts().lineBreak + dateTimeText(first.addSecs(index)) + texts().startSuffix;
}

static double medianMicroseconds(std::vector<Clock::duration> samples)
{
    std::ranges::nth_element(samples, samples.begin() + samples.size() / 2);
    return std::chrono::duration<double, std::micro>(samples[samples.size() / 2]).count();
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    LogEdit log;
    log.setGbkText(texts().initialLog);
    log.resize(299, 240); // the log's size in the main window
    log.show();
    QCoreApplication::processEvents();

    const auto measured = [](int index, int mark) { return index > mark - window && index <= mark; };
    const int early = 100 + window / 2; // appends 51 to 150
    std::vector<Clock::duration> atEarly, atLate, insertingEarly, insertingLate;

    const auto begin = Clock::now();
    for (int index = 1; index <= entries; ++index) {
        const QByteArray text = entry(index);
        const bool timed = measured(index, early) || measured(index, entries);
        const auto before = Clock::now();
        log.appendGbk(text);
        const auto inserted = Clock::now();
        // The program appends from an event handler and returns to the loop,
        // which repaints; in between the marks only the log's growth matters.
        if (timed || index % 1000 == 0)
            QCoreApplication::processEvents();
        const auto repainted = Clock::now();
        if (measured(index, early)) {
            atEarly.push_back(repainted - before);
            insertingEarly.push_back(inserted - before);
        } else if (measured(index, entries)) {
            atLate.push_back(repainted - before);
            insertingLate.push_back(inserted - before);
        }
    }
    const std::chrono::duration<double> total = Clock::now() - begin;

    std::printf("%.1f %.1f %.1f %.1f %.2f\n", medianMicroseconds(atEarly), medianMicroseconds(atLate),
                medianMicroseconds(insertingEarly), medianMicroseconds(insertingLate), total.count());
    return 0;
}
