#pragma once

#include <string>
#include <string_view>

// Every text the electrical load list shows in a message box, in one place.
namespace tvx::electrical::loadlistmsg {

inline constexpr std::string_view UseFixtureDatabase = "Use the Fixture Database to edit this record";
inline constexpr std::string_view SelectWorkingVoltage = "Select a working voltage";
inline constexpr std::string_view ListAlreadyEmpty = "List already empty";
inline constexpr std::string_view ConfirmClearList = "Are you sure you want to clear the list?";
inline constexpr std::string_view ConfirmClearCurrentList = "Do you want to clear the current list?";
inline constexpr std::string_view CannotSave =
    "Cannot save the Electrical Load List, this file must be already open by another application";
inline constexpr std::string_view ConfirmSaveOnClose = "Do you want to save the Electrical Load list?";

// A failed post, edit or delete of the list table: the prefix (its trailing
// blank included), the table's name, then the error text on its own line.
inline std::string tableError(std::string_view tableName, std::string_view errorText)
{
    std::string text = "An Unexpected error occured in the Electrical Load list Database ";
    text += tableName;
    text += '\n';
    text += errorText;
    return text;
}

} // namespace tvx::electrical::loadlistmsg
