// quenvalle-scenario: replays a scenario against the work period without a
// window. The scenario is the only argument, or standard input; input and
// output are UTF-8.

#include "ScenarioRunner.h"

#include <QFile>
#include <QString>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc > 2) {
        std::fputs("usage: quenvalle-scenario [SCENARIO-FILE]\n", stderr);
        return 2;
    }
    QFile input;
    if (argc == 2) {
        input.setFileName(QString::fromLocal8Bit(argv[1]));
        if (!input.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "quenvalle-scenario: cannot read %s: %s\n", argv[1],
                         qPrintable(input.errorString()));
            return 2;
        }
    } else if (!input.open(stdin, QIODevice::ReadOnly)) {
        std::fputs("quenvalle-scenario: cannot read standard input\n", stderr);
        return 2;
    }

    ScenarioRunner runner([](const QString &line) {
        const QByteArray utf8 = line.toUtf8() + '\n';
        std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
    });
    bool allRead = true;
    while (!input.atEnd()) {
        QByteArray line = input.readLine();
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r')) // a scenario saved with CR LF line ends
            line.chop(1);
        allRead = runner.execute(QString::fromUtf8(line)) && allRead;
    }
    return allRead ? 0 : 1;
}
