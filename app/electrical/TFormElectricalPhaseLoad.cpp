#include "electrical/TFormElectricalPhaseLoad.h"

TFormElectricalPhaseLoad::TFormElectricalPhaseLoad(AppContext& context, QWidget* parent) : ModuleWindow(context, parent)
{
    setObjectName(QStringLiteral("FormElectricalPhaseLoad"));
}
