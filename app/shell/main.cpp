#include "shell/AppInfo.h"
#include "shell/TFormMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(tvxapp::ApplicationName));
    TFormMain window;
    window.show();
    return QApplication::exec();
}
