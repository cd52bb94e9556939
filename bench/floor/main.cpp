// The floor: one window, one label, one button, and nothing else, so that
// what the program costs beyond any Qt Widgets window shows as a ratio.
//   quenvalle-bench-floor [--label-every MS] [--silent-every MS]
// --label-every rewrites the label on a timer, the least a countdown can do;
// --silent-every adds a timer whose events change nothing on screen, the
// least a background counter can do.

#include <QApplication>
#include <QCommandLineParser>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

// Precise, as the program's own timers are: a coarse timer may be batched
// with others and would make the floor cheaper than any countdown can be.
static void every(QTimer &timer, int milliseconds)
{
    if (milliseconds <= 0)
        return;
    timer.setTimerType(Qt::PreciseTimer);
    timer.start(milliseconds);
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);

    QCommandLineParser parser;
    const QCommandLineOption labelEvery(u"label-every"_s, u"Rewrite the label every MS milliseconds."_s,
                                        u"MS"_s, u"0"_s);
    const QCommandLineOption silentEvery(u"silent-every"_s, u"Run a timer that shows nothing every MS milliseconds."_s,
                                         u"MS"_s, u"0"_s);
    parser.addOptions({labelEvery, silentEvery});
    parser.addHelpOption();
    parser.process(app);

    QWidget window;
    window.setWindowTitle(u"floor"_s);
    auto *label = new QLabel(u"0"_s);
    auto *button = new QPushButton(u"OK"_s);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(label);
    layout->addWidget(button);

    int labelEvents = 0;
    QTimer labelTimer;
    QObject::connect(&labelTimer, &QTimer::timeout, label,
                     [&] { label->setText(QString::number(++labelEvents)); });
    every(labelTimer, parser.value(labelEvery).toInt());

    int silentEvents = 0;
    QTimer silentTimer;
    QObject::connect(&silentTimer, &QTimer::timeout, &app, [&] { ++silentEvents; });
    every(silentTimer, parser.value(silentEvery).toInt());

    window.show();
    return app.exec();
}
