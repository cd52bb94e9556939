// Replays each scenario through the real quenvalle-scenario binary, in a fresh
// temporary folder (exports land there), and compares what it prints with the
// expected output kept beside the scenario.

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class ScenarioTest : public QObject
{
    Q_OBJECT

private slots:
    void replay_data();
    void replay();
    void missingFileIsAClearError();
    void readsStandardInput();

private:
    struct Result
    {
        int exitCode = -1;
        QByteArray output;
        QByteArray errors;
    };
    static Result runRunner(const QStringList &arguments, const QByteArray &input = {});
};

ScenarioTest::Result ScenarioTest::runRunner(const QStringList &arguments, const QByteArray &input)
{
    QTemporaryDir workDir;
    QProcess runner;
    runner.setWorkingDirectory(workDir.path());
    runner.start(QString::fromUtf8(SCENARIO_RUNNER), arguments);
    runner.write(input);
    runner.closeWriteChannel();
    if (!runner.waitForFinished(60000))
        return {};
    return {runner.exitStatus() == QProcess::NormalExit ? runner.exitCode() : -1,
            runner.readAllStandardOutput(), runner.readAllStandardError()};
}

void ScenarioTest::replay_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<QString>("expected");
    const QDir dir(QString::fromUtf8(SCENARIO_DIR));
    const QStringList scenarios = dir.entryList({u"*.scn"_s}, QDir::Files, QDir::Name);
    QVERIFY(!scenarios.isEmpty());
    for (const QString &name : scenarios) {
        const QString base = name.chopped(4);
        QTest::newRow(qPrintable(base)) << dir.filePath(name) << dir.filePath(base + u".out"_s);
    }
}

void ScenarioTest::replay()
{
    QFETCH(QString, scenario);
    QFETCH(QString, expected);

    QFile expectedFile(expected);
    QVERIFY2(expectedFile.open(QIODevice::ReadOnly), qPrintable(expected));
    const QList<QByteArray> expectedLines = expectedFile.readAll().split('\n');

    const Result result = runRunner({scenario});
    const QList<QByteArray> lines = result.output.split('\n');
    for (qsizetype i = 0; i < qMin(lines.size(), expectedLines.size()); ++i) {
        if (lines[i] != expectedLines[i])
            QFAIL(qPrintable(u"line %1:\n  got:      %2\n  expected: %3"_s.arg(i + 1).arg(
                QString::fromUtf8(lines[i]), QString::fromUtf8(expectedLines[i]))));
    }
    QCOMPARE(lines.size(), expectedLines.size());
    // A scenario with a line the runner cannot read ends with exit code 1.
    QCOMPARE(result.exitCode, result.output.contains("\nerror ") || result.output.startsWith("error ") ? 1 : 0);
    QVERIFY(result.errors.isEmpty());
}

void ScenarioTest::missingFileIsAClearError()
{
    const Result result = runRunner({u"no-such-scenario.scn"_s});
    QCOMPARE(result.exitCode, 2);
    QVERIFY(result.output.isEmpty());
    QVERIFY(result.errors.contains("no-such-scenario.scn"));
}

void ScenarioTest::readsStandardInput()
{
    const Result result = runRunner({}, "minutes 1\nclick start\nrun 61\n");
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.output.endsWith("@61.000 start-disabled false\n"));
}

QTEST_GUILESS_MAIN(ScenarioTest)
#include "tst_scenarios.moc"
