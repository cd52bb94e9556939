// The main window bound to the work period, driven as a user would: clicks on
// its controls, boxes and the save dialog answered once they are open.

#include "Clock.h"
#include "Gbk.h"
#include "LogEdit.h"
#include "MainWindow.h"
#include "MainWindowBinding.h"
#include "PeriodTimer.h"
#include "Texts.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

class FixedClock final : public Clock
{
public:
    QDateTime currentDateTime() const override
    {
        return wallClock(QDate(2015, 3, 7), QTime(9, 5, 7));
    }
};

struct SeenBox
{
    QString caption;
    QString text;
};

// Waits, inside the event loop of whatever box is about to open, for the box
// of type Box and hands it to the answer.
template<typename Box>
void whenOpen(std::function<void(Box *)> answer)
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (auto *box = qobject_cast<Box *>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            answer(box);
        }
    });
    poll->start(5);
}

void answerNextBox(QMessageBox::StandardButton button, SeenBox *seen = nullptr)
{
    whenOpen<QMessageBox>([button, seen](QMessageBox *box) {
        if (seen)
            *seen = {box->windowTitle(), box->text()};
        box->button(button)->click();
    });
}

// Types text as key events carrying it, Chinese and emoji included.
void typeText(QWidget *widget, const QString &text)
{
    QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, text, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, text, Qt::NoModifier);
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsInItsInitialState();
    void buttonsAndTimerReachTheirOperations();
    void remindersOptionIsGuardedWhileRunning();
    void overtimeOptionExplainsItself();
    void clearAsksFirst_data();
    void clearAsksFirst();
    void exportWritesWhatTheUserTypedAndLaterEntries();
    void appendGoesToTheEndWhateverIsSelected();
    void closeQuestionCancelKeepsTheCountdownRunning();
    void closeQuestionOkCloses();

private:
    FixedClock m_clock;
    std::unique_ptr<MainWindow> m_window;
    QList<PopupRequest> m_popups;
};

void MainWindowTest::init()
{
    m_popups.clear();
    m_window = std::make_unique<MainWindow>();
    new MainWindowBinding(*m_window, m_clock, [this](const PopupRequest &request) { m_popups.append(request); });
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void MainWindowTest::cleanup()
{
    m_window.reset();
}

void MainWindowTest::startsInItsInitialState()
{
    MainWindow &w = *m_window;
    QCOMPARE(w.windowTitle(), u"Quenvalle"_s);
    QCOMPARE(w.display->text(), u"倒计时： 00 ：00"_s);
    QVERIFY(w.display->isReadOnly());
    QCOMPARE(w.minutesEntry->text(), u"25"_s);
    QCOMPARE(w.contentEntry->text(), QString());
    QVERIFY(!w.reminderOption->isChecked());
    QVERIFY(!w.overtimeOption->isChecked());
    for (QPushButton *button : {w.startButton, w.endButton, w.pauseButton, w.clearButton, w.exportButton})
        QVERIFY2(button->isEnabled() && button->isVisible(), qPrintable(button->text()));
    QVERIFY(!w.hiddenTestButton->isVisible());
    QCOMPARE(w.countdownTimer->period(), 0);
    QCOMPARE(w.reminderTimer->period(), 0);
    // The header and one line break: exactly 20 bytes.
    QCOMPARE(w.log->gbkText(), texts().initialLog);
    QCOMPARE(w.log->gbkText().size(), 20);
    QCOMPARE(w.size(), MainWindow::clientSize);
    QCOMPARE(w.minimumSize(), w.maximumSize());
}

void MainWindowTest::buttonsAndTimerReachTheirOperations()
{
    MainWindow &w = *m_window;
    w.contentEntry->setText(u"整理资料"_s);
    w.minutesEntry->setText(u"1"_s);
    QTest::mouseClick(w.startButton, Qt::LeftButton);
    QVERIFY(!w.startButton->isEnabled());
    QCOMPARE(w.display->text(), u"倒计时： 01 ：00"_s);
    QCOMPARE(w.countdownTimer->period(), 1000);
    QVERIFY(w.log->toPlainText().endsWith(u"\n2015年3月7日9时5分7秒 开始工作！\n 工作内容：整理资料"_s));

    emit w.countdownTimer->timeout();
    QCOMPARE(w.display->text(), u"倒计时： 00 ：59"_s);

    QTest::mouseClick(w.pauseButton, Qt::LeftButton);
    QVERIFY(!w.startButton->isEnabled());
    QVERIFY(!w.endButton->isEnabled());
    QCOMPARE(w.countdownTimer->period(), 0);
    QTest::mouseClick(w.pauseButton, Qt::LeftButton);
    QVERIFY(w.startButton->isEnabled());
    QVERIFY(w.endButton->isEnabled());
    QCOMPARE(w.countdownTimer->period(), 1000);

    for (int i = 0; i < 60; ++i)
        emit w.countdownTimer->timeout();
    QCOMPARE(m_popups.size(), 1);
    QCOMPARE(m_popups[0].title, texts().popupTitle);
    QCOMPARE(m_popups[0].body, texts().completionBody);
    QCOMPARE(w.display->text(), u"倒计时： 00 ：00"_s);
    QCOMPARE(w.countdownTimer->period(), 0);

    QTest::mouseClick(w.endButton, Qt::LeftButton);
    QVERIFY(w.log->toPlainText().endsWith(u"\n 任务总耗时： 00 分 00 秒！！\n2015年3月7日9时5分7秒 结束工作！"_s));
}

void MainWindowTest::remindersOptionIsGuardedWhileRunning()
{
    MainWindow &w = *m_window;
    QTest::mouseClick(w.reminderOption, Qt::LeftButton);
    QVERIFY(w.reminderOption->isChecked());
    QTest::mouseClick(w.startButton, Qt::LeftButton);
    QCOMPARE(w.reminderTimer->period(), 100);

    SeenBox seen;
    answerNextBox(QMessageBox::Ok, &seen);
    QTest::mouseClick(w.reminderOption, Qt::LeftButton);
    QVERIFY(!w.reminderOption->isChecked());
    QCOMPARE(seen.caption, u"友情提示"_s);
    QCOMPARE(seen.text, u"计时已经开始，请在 计时 开始前处理！"_s);
    QCOMPARE(w.reminderTimer->period(), 100);

    for (int i = 0; i < 361; ++i)
        emit w.reminderTimer->timeout();
    QCOMPARE(m_popups.size(), 1);
    QCOMPARE(m_popups[0].body, texts().reminderBody);
}

void MainWindowTest::overtimeOptionExplainsItself()
{
    SeenBox seen;
    answerNextBox(QMessageBox::Ok, &seen);
    QTest::mouseClick(m_window->overtimeOption, Qt::LeftButton);
    QVERIFY(m_window->overtimeOption->isChecked());
    QCOMPARE(seen.caption, u"提示："_s);
    QVERIFY(seen.text.startsWith(u"如果您开启了超时计时"_s));
}

void MainWindowTest::clearAsksFirst_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QByteArray>("logAfter");
    QTest::newRow("OK") << QMessageBox::Ok << texts().clearedLog;
    QTest::newRow("Cancel") << QMessageBox::Cancel << texts().initialLog;
}

void MainWindowTest::clearAsksFirst()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QByteArray, logAfter);
    SeenBox seen;
    answerNextBox(answer, &seen);
    QTest::mouseClick(m_window->clearButton, Qt::LeftButton);
    QCOMPARE(seen.caption, u"询问："_s);
    QCOMPARE(seen.text, u"您是否清空工作记录？"_s);
    QCOMPARE(m_window->log->gbkText(), logAfter);
}

void MainWindowTest::exportWritesWhatTheUserTypedAndLaterEntries()
{
    MainWindow &w = *m_window;
    QTemporaryDir dir;
    QTest::mouseClick(w.log->viewport(), Qt::LeftButton);
    w.log->moveCursor(QTextCursor::End);
    typeText(w.log, u"手写"_s);
    QTest::keyClick(w.log, Qt::Key_Return);
    typeText(w.log, u"note 😀"_s);
    w.log->moveCursor(QTextCursor::Start); // the caret elsewhere does not matter
    QTest::mouseClick(w.startButton, Qt::LeftButton);

    // A name without suffix gets "txt"; the dialog accepts a file that does not exist yet.
    QString title;
    whenOpen<QFileDialog>([&](QFileDialog *dialog) {
        title = dialog->windowTitle();
        answerNextBox(QMessageBox::Ok);
        dialog->selectFile(dir.filePath(u"worklog"_s));
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog's own accept() checks the name
    });
    QTest::mouseClick(w.exportButton, Qt::LeftButton);
    QCOMPARE(title, u"选择保存地址："_s);

    QFile file(dir.filePath(u"worklog.txt"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), texts().initialLog + Gbk::fromUnicode(u"手写\r\nnote 😀")
                 + Gbk::fromUnicode(u"\r\n2015年3月7日9时5分7秒 开始工作！\r\n 工作内容："));

    // The second Export proposes the first one's file.
    QStringList proposed;
    whenOpen<QFileDialog>([&](QFileDialog *dialog) {
        proposed = dialog->selectedFiles();
        dialog->reject();
    });
    QTest::mouseClick(w.exportButton, Qt::LeftButton);
    QCOMPARE(proposed, QStringList {file.fileName()});
}

void MainWindowTest::appendGoesToTheEndWhateverIsSelected()
{
    MainWindow &w = *m_window;
    w.log->setFocus();
    QTextCursor selection(w.log->document());
    selection.setPosition(0);
    selection.setPosition(4, QTextCursor::KeepAnchor);
    w.log->setTextCursor(selection);
    QTest::mouseClick(w.pauseButton, Qt::LeftButton);

    QVERIFY(w.log->toPlainText().startsWith(u"我的番茄工作记录：\n\n"_s));
    QVERIFY(w.log->toPlainText().endsWith(u" 暂停工作！"_s));
    QCOMPARE(w.log->textCursor().position(), w.log->document()->characterCount() - 1);
    // The entry is not on the undo stack.
    w.log->undo();
    QVERIFY(w.log->toPlainText().endsWith(u" 暂停工作！"_s));
}

void MainWindowTest::closeQuestionCancelKeepsTheCountdownRunning()
{
    MainWindow &w = *m_window;
    QTest::mouseClick(w.startButton, Qt::LeftButton);
    const QString started = w.display->text();

    // The countdown ticks on while the question is open.
    SeenBox seen;
    whenOpen<QMessageBox>([&](QMessageBox *box) {
        seen = {box->windowTitle(), box->text()};
        QTRY_VERIFY_WITH_TIMEOUT(w.display->text() != started, 10000);
        box->button(QMessageBox::Cancel)->click();
    });
    QVERIFY(!w.close());
    QCOMPARE(seen.caption, u"询问："_s);
    QCOMPARE(seen.text, u"您是否确认关闭程序？"_s);
    QVERIFY(w.isVisible());
    QCOMPARE(w.countdownTimer->period(), 1000);
    QCOMPARE(w.display->text(), u"倒计时： 24 ：59"_s);
}

void MainWindowTest::closeQuestionOkCloses()
{
    answerNextBox(QMessageBox::Ok);
    QVERIFY(m_window->close());
    QVERIFY(!m_window->isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
