#pragma once

#include "electrical/LoadList.h"

#include <filesystem>
#include <string>
#include <string_view>

// List files: the list table in the table-file format. The extension tells
// the system (".EL1" split phase, ".EL3" three phase); the description and
// the phase-phase voltage ride on the first record.
namespace tvx::electrical {

inline constexpr std::string_view kSinglePhaseListExtension = "EL1";
inline constexpr std::string_view kThreePhaseListExtension = "EL3";

// The save dialog of each system and the open dialog.
struct ListFileDialog {
    std::string_view title;
    std::string_view filter;
    std::string_view defaultExtension;
};
ListFileDialog saveListDialog(PowerSystem system);
ListFileDialog openListDialog();

// ".EL3" in any letter case opens three phase; anything else split phase.
PowerSystem systemOfListFile(const std::filesystem::path& path);

// The name the save dialog proposes: the description plus ".EL1" / ".EL3".
std::string proposedListFileName(std::string_view description, PowerSystem system);

// Saves the list after putting the description and V on its first record.
// An empty list is written as one record holding only the description and V,
// so the description survives. Failure: FileError with loadlistmsg::CannotSave.
void saveListFile(const std::filesystem::path& path, LoadList& list, std::string_view description);

// What the list's header fields hold after opening a file.
struct ListHeader {
    std::string description;
    std::string voltageText; // the phase-phase field's text ("208" when the file had none)
};

// Appends the file's records to the list as they are stored (their currents
// are not recomputed) and returns the header of the file's first record, the
// 208 V fallback applied. A file holding only a header record adds no device.
// The caller then selects the system of the file and applies the voltage,
// which revisits every record. Read errors are thrown as the table-file
// reader throws them; the records read before stay in the list.
ListHeader loadListFile(const std::filesystem::path& path, LoadList& list);

} // namespace tvx::electrical
