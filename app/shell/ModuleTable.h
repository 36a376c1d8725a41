#pragma once

#include <array>
#include <cstddef>

// The modules the toolbar opens, as data: toolbar buttons, the "Modules" menu,
// the tray popup, toggling, minimize-all and close-all are all built from it.
struct ModuleSpec {
    const char* buttonName;    // toolbar button objectName
    const char* hint;          // toolbar button tooltip
    const char* menuItemName;  // "Modules" menu item objectName
    const char* menuCaption;
    const char* popupItemName; // tray popup item objectName
    const char* popupCaption;
    const char* windowClass;   // class of the module window
    const char* caption;       // caption of the module window
    const char* picture;       // toolbar picture in the Resources folder
};

inline constexpr std::size_t ModuleCount = 15;

// In table order: Preferences first, then the others in toolbar order. This is
// the order in which minimize-all and close-all visit the windows.
const std::array<ModuleSpec, ModuleCount>& moduleTable();

// Indexes into moduleTable() in toolbar and "Modules" menu order (Photometric
// first, Preferences last).
const std::array<std::size_t, ModuleCount>& toolbarOrder();

// Index of the module with this window class, or ModuleCount.
std::size_t moduleIndexOfClass(const char* windowClass);
