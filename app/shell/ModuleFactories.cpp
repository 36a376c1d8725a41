#include "shell/ModuleFactories.h"

#include "shell/ModuleTable.h"
#include "shell/PlaceholderModuleWindow.h"
#include "shell/TFormPreference.h"

#include <cstring>

ModuleWindow* createModuleWindow(std::size_t index, AppContext& context)
{
    const ModuleSpec& entry = moduleTable().at(index);
    if (std::strcmp(entry.windowClass, "TFormPreference") == 0)
        return new TFormPreference(context);
    return new PlaceholderModuleWindow(context, QString::fromLatin1(entry.windowClass));
}
