// Clear and Export of the work log, on real files in a temporary folder.

#include "Gbk.h"
#include "Texts.h"
#include "WorkLog.h"
#include "WorkLogView.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Message
{
    QByteArray text;
    QByteArray caption;
};

// The log control and the dialogs, answering with what the test set.
class FakeLogView final : public WorkLogView
{
public:
    QByteArray logText() const override { return log; }
    void setLogText(const QByteArray &text) override { log = text; }
    bool askQuestion(const QByteArray &text, const QByteArray &caption) override
    {
        questions.append({text, caption});
        return answerOk;
    }
    std::optional<QString> askSavePath(const QString &lastPath) override
    {
        proposedPaths.append(lastPath);
        if (whileDialogOpen)
            whileDialogOpen();
        return savePath;
    }
    void showMessage(const QByteArray &text, const QByteArray &caption) override
    {
        messages.append({text, caption});
    }

    QByteArray log = texts().initialLog;
    bool answerOk = false;
    std::optional<QString> savePath;
    std::function<void()> whileDialogOpen;
    QList<Message> questions;
    QList<Message> messages;
    QStringList proposedPaths;
};

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Stands in for a full disk: writes beyond the limit fail with EFBIG instead
// of killing the process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }

private:
    rlimit m_saved {};
    void (*m_savedHandler)(int) = nullptr;
};

} // namespace

class WorkLogTest : public QObject
{
    Q_OBJECT

private slots:
    void clearAsksFirst_data();
    void clearAsksFirst();
    void exportWritesTheLogBytes_data();
    void exportWritesTheLogBytes();
    void exportReplacesAnExistingFileWhole();
    void exportReadsTheLogAfterTheDialog();
    void cancelledDialogWritesNothing();
    void failedExportKeepsTheOldFile_data();
    void failedExportKeepsTheOldFile();
    void exportToANameOutsideGbk();

private:
    QTemporaryDir m_dir;
};

void WorkLogTest::clearAsksFirst_data()
{
    QTest::addColumn<bool>("answerOk");
    QTest::addColumn<QByteArray>("logAfter");
    QTest::newRow("OK leaves the short header") << true << texts().clearedLog;
    QTest::newRow("Cancel keeps the log") << false << texts().initialLog + "\r\nentry";
}

void WorkLogTest::clearAsksFirst()
{
    QFETCH(bool, answerOk);
    QFETCH(QByteArray, logAfter);
    FakeLogView view;
    view.log += "\r\nentry";
    view.answerOk = answerOk;
    WorkLog(view).clearLog();
    QCOMPARE(view.log, logAfter);
    QCOMPARE(view.questions.size(), 1);
    QCOMPARE(view.questions[0].text, Gbk::fromUnicode(u"您是否清空工作记录？"));
    QCOMPARE(view.questions[0].caption, Gbk::fromUnicode(u"询问："));
}

void WorkLogTest::exportWritesTheLogBytes_data()
{
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<qsizetype>("size");
    QTest::newRow("fresh log") << texts().initialLog << qsizetype(20);
    QTest::newRow("after Clear") << texts().clearedLog << qsizetype(18);
    QTest::newRow("emptied by hand") << QByteArray() << qsizetype(0);
    QTest::newRow("outside GBK kept") << Gbk::fromUnicode(u"记录😀\r\nx") << qsizetype(11);
}

void WorkLogTest::exportWritesTheLogBytes()
{
    QFETCH(QByteArray, log);
    QFETCH(qsizetype, size);
    FakeLogView view;
    view.log = log;
    view.savePath = m_dir.filePath(u"export.txt"_s);
    WorkLog(view).exportLog();

    // Exactly the log's bytes: no byte-order mark, nothing added at the end.
    QCOMPARE(contentOf(*view.savePath), log);
    QCOMPARE(QFileInfo(*view.savePath).size(), size);
    QCOMPARE(view.messages.size(), 1);
    QCOMPARE(view.messages[0].text, Gbk::fromUnicode(u"恭喜，保存成功！"));
    QCOMPARE(view.messages[0].caption, Gbk::fromUnicode(u"信息："));
}

void WorkLogTest::exportReplacesAnExistingFileWhole()
{
    const QString path = m_dir.filePath(u"replace.txt"_s);
    writeFile(path, QByteArray(1000, 'x'));
    FakeLogView view;
    view.savePath = path;
    WorkLog log(view);
    log.exportLog();
    QCOMPARE(contentOf(path), texts().initialLog);

    // The next Export proposes the path chosen by the first.
    log.exportLog();
    QCOMPARE(view.proposedPaths, QStringList({QString(), path}));
}

void WorkLogTest::exportReadsTheLogAfterTheDialog()
{
    FakeLogView view;
    view.savePath = m_dir.filePath(u"late.txt"_s);
    view.whileDialogOpen = [&view] { view.log += "\r\nlate entry"; };
    WorkLog(view).exportLog();
    QCOMPARE(contentOf(*view.savePath), texts().initialLog + "\r\nlate entry");
}

void WorkLogTest::cancelledDialogWritesNothing()
{
    const QString path = m_dir.filePath(u"kept.txt"_s);
    FakeLogView view;
    view.savePath = path;
    WorkLog log(view);
    log.exportLog();
    view.messages.clear();

    view.log = "changed";
    view.savePath.reset();
    log.exportLog();
    QCOMPARE(contentOf(path), texts().initialLog);
    QVERIFY(view.messages.isEmpty());
    QCOMPARE(log.lastPath(), path);
}

void WorkLogTest::failedExportKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("diskFull");
    QTest::newRow("disk full") << u"full.txt"_s << true;
    QTest::newRow("folder vanished") << u"gone/log.txt"_s << false;
    QTest::newRow("target is a folder") << u"folder"_s << false;
    QTest::newRow("name longer than the platform allows") << QString(300, u'a') + u".txt"_s << false;
    QTest::newRow("folder outside GBK vanished") << u"记录😀/log.txt"_s << false;
}

void WorkLogTest::failedExportKeepsTheOldFile()
{
    QFETCH(QString, target);
    QFETCH(bool, diskFull);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
    const QString path = dir.filePath(target);
    const QByteArray old = "old content";
    if (diskFull)
        writeFile(path, old);

    FakeLogView view;
    view.log = texts().initialLog + QByteArray(4096, 'a');
    view.savePath = path;
    {
        std::optional<FileSizeLimit> limit;
        if (diskFull)
            limit.emplace(1024);
        WorkLog(view).exportLog();
    }

    if (diskFull)
        QCOMPARE(contentOf(path), old);
    else
        QVERIFY(!QFileInfo(path).isFile());
    // No temporary file is left beside the target.
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
    QCOMPARE(left, diskFull ? QStringList({u"full.txt"_s}) : QStringList());

    QCOMPARE(view.messages.size(), 1);
    QVERIFY(view.messages[0].text.startsWith(Gbk::fromUnicode(u"保存失败！")));
    // The path is named whole, characters outside GBK included.
    QVERIFY(Gbk::toUnicode(view.messages[0].text).endsWith(path));
    QCOMPARE(view.messages[0].caption, Gbk::fromUnicode(u"信息："));
}

void WorkLogTest::exportToANameOutsideGbk()
{
    // File names are the system's, not GBK: a name GBK cannot spell is
    // written like any other.
    FakeLogView view;
    view.savePath = m_dir.filePath(u"工作记录😀.txt"_s);
    WorkLog(view).exportLog();
    QCOMPARE(contentOf(*view.savePath), texts().initialLog);
    QCOMPARE(view.messages.size(), 1);
    QCOMPARE(view.messages[0].text, texts().exportSucceeded);
}

QTEST_GUILESS_MAIN(WorkLogTest)
#include "tst_worklog.moc"
