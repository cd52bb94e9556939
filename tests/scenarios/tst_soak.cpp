// Eight hours of virtual time in one scenario: periods completed and run into
// overtime, pauses and resumes, the reminder on and off, Clear and Export.
// The runner gets through it in seconds; what it leaves must be a well-formed
// log, and every export must hold exactly the log of its moment.

#include "Gbk.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int cycles = 17; // 17 x 1780 s of virtual time: more than eight hours

QString soakScenario()
{
    QString scenario;
    for (int i = 0; i < cycles; ++i) {
        const bool reminder = i % 3 == 0;
        const bool overtime = i % 4 == 1;
        scenario += u"content 第%1个番茄\nminutes 25\n"_s.arg(i);
        if (reminder)
            scenario += u"click reminder\n"_s;
        scenario += u"click start\nrun 600\nclick pause\nrun 120\nclick pause\n"_s;
        if (overtime)
            scenario += u"click overtime\n"_s;
        scenario += u"run 1000\n"_s;
        if (overtime)
            scenario += u"click end\nclick overtime\n"_s;
        if (reminder)
            scenario += u"click reminder\n"_s;
        if (i % 5 == 4)
            scenario += u"click clear ok\n"_s;
        if (i % 2 == 0)
            scenario += u"click export soak-%1.txt\nshow\n"_s.arg(i);
        scenario += u"run 60\n"_s;
    }
    return scenario + u"show\n"_s;
}

QByteArray unescaped(QStringView text)
{
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            const QChar next = text[++i];
            plain += next == u'r' ? u'\r' : next == u'n' ? u'\n' : next;
        } else {
            plain += text[i];
        }
    }
    return Gbk::fromUnicode(plain);
}

// Every line a log can hold after its header; the date-time is captured.
const QRegularExpression dateTimeLine(
    u"^(\\d{4})年(\\d{1,2})月(\\d{1,2})日(?:(\\d{1,2})时(?:(\\d{1,2})分(?:(\\d{1,2})秒)?)?)? (开始|结束|暂停|恢复)工作！$"_s);
const QRegularExpression contentLine(u"^ 工作内容：第\\d+个番茄$"_s);
const QRegularExpression durationLine(u"^ 任务总耗时： \\d{2,} 分 \\d{2} 秒！！$"_s);

} // namespace

class SoakTest : public QObject
{
    Q_OBJECT

private slots:
    void eightHoursLeaveAWellFormedLog();
};

void SoakTest::eightHoursLeaveAWellFormedLog()
{
    QTemporaryDir workDir;
    QProcess runner;
    runner.setWorkingDirectory(workDir.path());
    runner.start(QString::fromUtf8(SCENARIO_RUNNER), {});
    runner.write(soakScenario().toUtf8());
    runner.closeWriteChannel();
    QVERIFY(runner.waitForFinished(120000));
    QCOMPARE(runner.exitCode(), 0);
    const QStringList output = QString::fromUtf8(runner.readAllStandardOutput()).split(u'\n');

    QStringList logs;
    int completions = 0;
    int reminders = 0;
    for (const QString &line : output) {
        if (line.startsWith(u"= log: "_s))
            logs.append(line.mid(7));
        if (line.contains(u" popup 友情提醒 | \\r\\n\\r\\n  恭喜您"_s))
            ++completions;
        if (line.contains(u" popup 友情提醒 | \\r\\n\\r\\n   您该记录"_s))
            ++reminders;
    }
    QVERIFY(completions > 0);
    QVERIFY(reminders > 0);

    // Each export holds exactly the log shown right after it.
    int exportIndex = 0;
    for (int i = 0; i < cycles; i += 2, ++exportIndex) {
        QFile exported(workDir.filePath(u"soak-%1.txt"_s.arg(i)));
        QVERIFY2(exported.open(QIODevice::ReadOnly), qPrintable(exported.fileName()));
        QCOMPARE(exported.readAll(), unescaped(logs[exportIndex]));
    }

    // The final log: the header, then only known lines, in time order.
    const QList<QByteArray> lines = unescaped(logs.last()).split('\n');
    QCOMPARE(lines.first(), Gbk::fromUnicode(u"我的番茄工作记录：\r"));
    QDateTime previous;
    int startLines = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QByteArray bytes = lines[i];
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        const QString line = Gbk::toUnicode(bytes);
        if (const QRegularExpressionMatch match = dateTimeLine.match(line); match.hasMatch()) {
            const QDateTime when(QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt()),
                                 QTime(match.captured(4).toInt(), match.captured(5).toInt(), match.captured(6).toInt()));
            QVERIFY2(!previous.isValid() || previous <= when, qPrintable(line));
            previous = when;
            if (match.captured(7) == u"开始"_s) {
                ++startLines;
                QVERIFY(i + 1 < lines.size());
                QVERIFY2(contentLine.match(Gbk::toUnicode(lines[i + 1].chopped(1))).hasMatch(), qPrintable(line));
            }
        } else {
            QVERIFY2(contentLine.match(line).hasMatch() || durationLine.match(line).hasMatch(),
                     qPrintable(u"line %1: %2"_s.arg(i).arg(line)));
        }
    }
    QVERIFY(startLines > 0);
    // More than eight hours passed on the clock of the last line.
    QVERIFY(previous >= QDateTime(QDate(2015, 3, 7), QTime(17, 5, 7)));
}

QTEST_GUILESS_MAIN(SoakTest)
#include "tst_soak.moc"
