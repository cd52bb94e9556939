// The scenario runner's reader over arbitrary input, one line at a time as
// quenvalle-scenario reads a file. Besides never failing: a line is either
// read or refused with exactly one "error" line naming it, every reported
// line is one line, a run longer than a day is refused, and the time stamps
// of timer events never go back.

#include "Expect.h"
#include "ScenarioRunner.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>

using namespace Qt::Literals::StringLiterals;

// Exports are written relative to the working folder: the fuzzer works in a
// folder of its own, emptied after every input.
static std::unique_ptr<QTemporaryDir> scratch;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    scratch = std::make_unique<QTemporaryDir>();
    if (!scratch->isValid() || !QDir::setCurrent(scratch->path()))
        std::abort();
    return 0;
}

// The runner takes a run of up to a day (86400 seconds), which with both
// timers running is close to a million timer events, several seconds in this
// build. Each input may spend an hour of virtual time; a run within the
// runner's limit but beyond what is left of that hour is skipped. Runs beyond
// the limit cost nothing and must be refused.
static constexpr double longestRunSeconds = 86400;
static constexpr double secondsPerInput = 3600;

// An export whose path has a folder in it could write anywhere, the fuzzer's
// own files included; a bare name lands in the scratch folder.
static bool exportsOutside(QStringView line)
{
    return line.startsWith(u"click export"_s) && line.contains(u'/');
}

static qint64 eventMs(const QString &reported)
{
    const qsizetype space = reported.indexOf(u' ');
    const QStringView stamp = QStringView(reported).mid(1, space - 1);
    const qsizetype point = stamp.indexOf(u'.');
    return stamp.left(point).toLongLong() * 1000 + stamp.mid(point + 1).toLongLong();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QStringList reported;
    ScenarioRunner runner([&reported](const QString &line) { reported.append(line); });

    qint64 lastEventMs = 0;
    double secondsLeft = secondsPerInput;
    // Lines as quenvalle-scenario reads them: split at LF, one CR before it
    // dropped, each decoded as UTF-8.
    for (QByteArray line : QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QString text = QString::fromUtf8(line);
        if (exportsOutside(text))
            continue;
        bool isNumber = false;
        const double runSeconds = text.startsWith(u"run "_s) ? text.mid(4).toDouble(&isNumber) : 0;
        const bool tooLong = isNumber && runSeconds > longestRunSeconds;
        if (isNumber && runSeconds > 0 && !tooLong) {
            if (runSeconds > secondsLeft)
                continue;
            secondsLeft -= runSeconds;
        }

        reported.clear();
        const bool read = runner.execute(text);
        if (tooLong)
            FUZZ_EXPECT(!read);
        if (!read) {
            FUZZ_EXPECT(reported.size() == 1);
            FUZZ_EXPECT(reported.first() == u"error "_s + text);
        }
        for (const QString &out : reported) {
            FUZZ_EXPECT(!out.contains(u'\n'));
            FUZZ_EXPECT(read || out.startsWith(u"error "_s));
            FUZZ_EXPECT(!read || !out.startsWith(u"error "_s));
            if (out.startsWith(u'@')) {
                const qint64 ms = eventMs(out);
                FUZZ_EXPECT(ms >= lastEventMs);
                lastEventMs = ms;
            }
        }
    }

    // What the exports wrote goes with the input.
    QDir folder(scratch->path());
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        folder.remove(name);
    return 0;
}
