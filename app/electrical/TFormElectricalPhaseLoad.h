#pragma once

#include "widgets/ModuleWindow.h"

class TFormElectricalPhaseLoad : public ModuleWindow {
    Q_OBJECT
public:
    explicit TFormElectricalPhaseLoad(AppContext& context, QWidget* parent = nullptr);
};
