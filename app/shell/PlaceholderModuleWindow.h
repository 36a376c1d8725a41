#pragma once

#include "widgets/ModuleWindow.h"

// Stands in for a module whose window is not built yet, so that opening,
// toggling, minimize-all and close-all behave as they will for every module.
class PlaceholderModuleWindow : public ModuleWindow {
    Q_OBJECT
public:
    PlaceholderModuleWindow(AppContext& context, const QString& windowClass, QWidget* parent = nullptr);
    QString windowClass() const { return windowClass_; }

private:
    QString windowClass_;
};
