#pragma once

#include <QtGlobal>

// The offscreen platform keeps a window's mask and stacking to itself and
// says so on every popup; those notes are dropped so that real warnings stand
// out in the test output.
inline void quietOffscreenPlatformNotes()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
                return;
            previous(type, context, message);
        });
}
