#include "shell/ModuleFactories.h"

#include "converter/TFormGeneralConverter.h"
#include "electrical/TFormElectricalBasicFormula.h"
#include "electrical/TFormElectricalLoadList.h"
#include "electrical/TFormElectricalPhaseLoad.h"
#include "electrical/TFormElectricalVoltageDrop.h"
#include "electrical/TFormResistanceColorCode.h"
#include "photometric/TFormPhotometric.h"
#include "shell/ModuleTable.h"
#include "shell/PlaceholderModuleWindow.h"
#include "shell/TFormPreference.h"

#include <cstring>

ModuleWindow* createModuleWindow(std::size_t index, AppContext& context)
{
    const ModuleSpec& entry = moduleTable().at(index);
    const auto is = [&entry](const char* windowClass) { return std::strcmp(entry.windowClass, windowClass) == 0; };
    if (is("TFormPreference"))
        return new TFormPreference(context);
    if (is("TFormElectricalBasicFormula"))
        return new TFormElectricalBasicFormula(context);
    if (is("TFormElectricalLoadList"))
        return new TFormElectricalLoadList(context);
    if (is("TFormElectricalPhaseLoad"))
        return new TFormElectricalPhaseLoad(context);
    if (is("TFormElectricalVoltageDrop"))
        return new TFormElectricalVoltageDrop(context);
    if (is("TFormGeneralConverter"))
        return new TFormGeneralConverter(context);
    if (is("TFormPhotometric"))
        return new TFormPhotometric(context);
    if (is("TFormResistanceColorCode"))
        return new TFormResistanceColorCode(context);
    return new PlaceholderModuleWindow(context, QString::fromLatin1(entry.windowClass));
}
