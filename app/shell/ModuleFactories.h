#pragma once

#include <cstddef>

class AppContext;
class ModuleWindow;

// Creates the window of module `index` (an index into moduleTable()), with no
// owner. The caller shows it and gives it its caption.
ModuleWindow* createModuleWindow(std::size_t index, AppContext& context);
