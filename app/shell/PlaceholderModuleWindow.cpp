#include "shell/PlaceholderModuleWindow.h"

#include <QLabel>

PlaceholderModuleWindow::PlaceholderModuleWindow(AppContext& context, const QString& windowClass, QWidget* parent)
    : ModuleWindow(context, parent), windowClass_(windowClass)
{
    setObjectName(windowClass.mid(1)); // "TFormRigging" -> "FormRigging"
    setProperty("windowClass", windowClass);
    auto* label = new QLabel(tr("This module is not available in this build."), this);
    label->setAlignment(Qt::AlignCenter);
    setCentralWidget(label);
    resize(420, 200);
}
