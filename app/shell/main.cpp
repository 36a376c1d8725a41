#include "shell/AppInfo.h"
#include "shell/InfoWindows.h"
#include "shell/Prompts.h"
#include "shell/SingleInstance.h"
#include "shell/TFormMain.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    // A second start only wakes the running instance.
    SingleInstance instance;
    if (!instance.tryBecomePrimary()) {
        instance.wakePrimary();
        return 0;
    }

    QApplication::setApplicationName(QString::fromUtf8(tvxapp::ApplicationName));
    // The toolbar may sit in the tray with no window shown; it ends the program itself.
    QApplication::setQuitOnLastWindowClosed(false);

    const QString startup = QDir::currentPath() + QLatin1Char('/');
    QDir().mkpath(startup + QStringLiteral("Data"));
    QDir().mkpath(startup + QStringLiteral("Resources"));

    TFormSplash splash(startup + QStringLiteral("Resources/"));
    splash.show();
    splash.repaint();
    QApplication::processEvents();

    QtPrompts prompts;
    TFormMain toolbar(startup, prompts);
    QObject::connect(&instance, &SingleInstance::wakeRequested, &toolbar, &TFormMain::wakeUp);

    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() < 100)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    splash.hide();

    toolbar.showAtStart();
    return QApplication::exec();
}
