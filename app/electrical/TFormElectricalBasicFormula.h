#pragma once

#include "widgets/ModuleWindow.h"

class TFormElectricalBasicFormula : public ModuleWindow {
    Q_OBJECT
public:
    explicit TFormElectricalBasicFormula(AppContext& context, QWidget* parent = nullptr);
};
