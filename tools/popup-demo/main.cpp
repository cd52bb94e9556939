// Shows the completion notification by itself and exits once it has gone,
// so the popup can be looked at without running a work period.

#include "Notifier.h"
#include "PopupRequest.h"
#include "PopupWindow.h"
#include "SkinPieceArray.h"
#include "Texts.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The popup is a tool window, which does not keep the application alive.
    QApplication::setQuitOnLastWindowClosed(false);

    SkinPieceArray pieces;
    Notifier notifier(pieces);
    QObject::connect(&notifier, &Notifier::popupClosed, &app, &QCoreApplication::quit);
    notifier.showNotification({texts().popupTitle, texts().completionBody, notificationDisplayMs});

    // Where the popup is, for whoever takes a picture of it.
    const QRect where = notifier.popup()->geometry();
    QTextStream(stdout) << "popup " << where.x() << ' ' << where.y() << ' ' << where.width() << ' '
                        << where.height() << Qt::endl;
    return app.exec();
}
