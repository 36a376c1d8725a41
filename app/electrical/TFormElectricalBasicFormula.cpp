#include "electrical/TFormElectricalBasicFormula.h"

TFormElectricalBasicFormula::TFormElectricalBasicFormula(AppContext& context, QWidget* parent) : ModuleWindow(context, parent)
{
    setObjectName(QStringLiteral("FormElectricalBasicFormula"));
}
