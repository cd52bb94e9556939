#include "MainWindow.h"

#include "Dialogs.h"
#include "Gbk.h"
#include "LogEdit.h"
#include "PeriodTimer.h"
#include "Texts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

using namespace Qt::Literals::StringLiterals;

static QString text(const QByteArray &gbk)
{
    return Gbk::toUnicode(gbk);
}

template<typename Control>
static Control *place(Control *control, int left, int top, int width, int height)
{
    control->setGeometry(left, top, width, height);
    return control;
}

// The countdown's font: 黑体 where it is installed, else a Simplified Chinese
// sans-serif. The names are listed because fontconfig would otherwise answer
// "黑体" with whatever Latin font it prefers.
static QFont displayFont()
{
    QFont font;
    font.setFamilies({u"黑体"_s, u"SimHei"_s, u"WenQuanYi Zen Hei"_s, u"Noto Sans CJK SC"_s,
                      u"Source Han Sans SC"_s, u"Droid Sans Fallback"_s});
    font.setPixelSize(29);
    font.setBold(true);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    // Created first, so it lies beneath the controls that share its area.
    , group(place(new QGroupBox(this), 3, 0, 317, 488))
    , display(place(new QLineEdit(text(texts().resetDisplay), group), 6, 16, 304, 80))
    , reminderOption(place(new QCheckBox(text(texts().reminderOption), group), 145, 96, 152, 24))
    , minutesLabel(place(new QLabel(text(texts().minutesLabel), group), 10, 103, 64, 24))
    , minutesEntry(place(new QLineEdit(text(texts().initialMinutes), group), 74, 103, 61, 24))
    , overtimeOption(place(new QCheckBox(text(texts().overtimeOption), this), 148, 119, 168, 24))
    , contentEntry(place(new QLineEdit(group), 74, 145, 235, 24))
    // 64 wide like the minutes label: five characters of the window's font
    // need 60 pixels.
    , contentLabel(place(new QLabel(text(texts().contentLabel), group), 10, 150, 64, 16))
    , startButton(place(new QPushButton(text(texts().startButton), group), 9, 182, 61, 24))
    , endButton(place(new QPushButton(text(texts().endButton), this), 117, 182, 61, 24))
    , pauseButton(place(new QPushButton(text(texts().pauseButton), this), 239, 182, 61, 24))
    , log(place(new LogEdit(group), 9, 213, 299, 240))
    , clearButton(place(new QPushButton(text(texts().clearButton), this), 13, 459, 61, 24))
    , exportButton(place(new QPushButton(text(texts().exportButton), group), 240, 459, 61, 24))
    , hiddenTestButton(place(new QPushButton(QString::fromLatin1(texts().hiddenTestButton), group), 213, 240, 72, 56))
    , countdownTimer(new PeriodTimer(this))
    , reminderTimer(new PeriodTimer(this))
{
    setWindowTitle(QString::fromLatin1(texts().windowTitle));
    setFixedSize(clientSize);

    display->setReadOnly(true);
    display->setAlignment(Qt::AlignCenter);
    display->setFont(displayFont());
    QPalette displayColours = display->palette();
    displayColours.setColor(QPalette::Base, Qt::black);
    displayColours.setColor(QPalette::Text, QColor(255, 0, 0));
    display->setPalette(displayColours);
    display->setFocusPolicy(Qt::NoFocus);

    minutesEntry->setAlignment(Qt::AlignCenter);
    for (QLabel *label : {minutesLabel, contentLabel}) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
    }
    for (QPushButton *button : {startButton, endButton, pauseButton, clearButton, exportButton}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    log->setGbkText(texts().initialLog);
    hiddenTestButton->hide();

    // The four controls of the window itself lie above the group box.
    for (QWidget *control : std::initializer_list<QWidget *> {overtimeOption, endButton, pauseButton, clearButton})
        control->raise();

    // Centred on the whole primary screen, frame included.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.left() + (screen.width() - outerSize.width()) / 2,
         screen.top() + (screen.height() - outerSize.height()) / 2);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Timer events go on while the question is open: the countdown does not
    // stop, and Cancel leaves everything as it was.
    if (Dialogs::askQuestion(texts().closeQuestion, texts().questionCaption))
        event->accept();
    else
        event->ignore();
}
