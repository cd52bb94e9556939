// quenvalle: the work timer. Start-up prepares the toolkit, creates the
// popup's skin slots, shows the main window and runs the event loop; the
// program ends when none of its windows is left.

#include "Clock.h"
#include "ControlSkin.h"
#include "Gbk.h"
#include "MainWindow.h"
#include "MainWindowBinding.h"
#include "Notifier.h"
#include "SkinPieceArray.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPointer>
#include <QTranslator>

#include <exception>

using namespace Qt::Literals::StringLiterals;

// A window cannot place itself on a Wayland desktop, and the popup belongs at
// the bottom-right corner: run through XWayland where it is there, unless
// the user chose a platform.
static void preferXWayland()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

// The default GUI font: 9 point 宋体 where it is installed, else a Simplified
// Chinese sans-serif, so every Chinese text has its glyphs.
static void useChineseGuiFont()
{
    QFont font = QApplication::font();
    font.setFamilies({u"宋体"_s, u"SimSun"_s, u"WenQuanYi Zen Hei"_s, u"Noto Sans CJK SC"_s,
                      u"Droid Sans Fallback"_s});
    font.setPointSize(9);
    QApplication::setFont(font);
}

int main(int argc, char **argv)
{
    preferXWayland();
    QApplication app(argc, argv);
    try {
        QDir::setCurrent(QCoreApplication::applicationDirPath());
        QApplication::setWindowIcon(QIcon(u":/quenvalle.png"_s));
        useChineseGuiFont();
        // Qt's own Chinese texts for the standard buttons: 确定, 取消.
        QTranslator qtTexts;
        if (qtTexts.load(QLocale(QLocale::Chinese, QLocale::China), u"qtbase"_s, u"_"_s,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qtTexts);

        // The popup's skin slots: all zero before the first event, released
        // once when main returns, after the notifier that writes them.
        SkinPieceArray pieces;
        Notifier notifier(pieces);

        SystemClock clock;
        QPointer<MainWindow> window = new MainWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        new MainWindowBinding(*window, clock,
                              [&notifier](const PopupRequest &request) { notifier.showNotification(request); });
        applyControlSkin(2);

        // Qt alone would quit with the main window even while the popup is on
        // screen; the program lives on until the popup has gone too.
        app.setQuitOnLastWindowClosed(false);
        const auto quitWhenNoWindowIsLeft = [&] {
            if (!window && !notifier.isShowing())
                QCoreApplication::quit();
        };
        QObject::connect(window, &QObject::destroyed, &app, quitWhenNoWindowIsLeft, Qt::QueuedConnection);
        QObject::connect(&notifier, &Notifier::popupClosed, &app, quitWhenNoWindowIsLeft, Qt::QueuedConnection);

        window->show();
        app.exec();
        return 0;
    } catch (const std::exception &error) {
        QMessageBox::critical(nullptr, u"Quenvalle"_s,
                              u"程序无法启动：%1"_s.arg(QString::fromLocal8Bit(error.what())));
        return -1;
    }
}
