#include "shell/TFormMain.h"

#include "shell/AppInfo.h"

TFormMain::TFormMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QString::fromUtf8(tvxapp::MainCaption));
    resize(520, 60);
}
