#pragma once

#include <string>
#include <string_view>

// The user-visible texts of record tables and table files, kept together so
// they stay byte for byte what the user is shown.
namespace tvx::tablemsg {

// "'%s' is not a valid integer value for field '%s'"
std::string invalidInteger(std::string_view valueText, std::string_view fieldLabel);

// "'%s' is not a valid floating point value for field '%s'"
std::string invalidFloat(std::string_view valueText, std::string_view fieldLabel);

// "%g is not a valid value for field '%s'. The allowed range is %g to %g"
std::string outOfRange(double value, std::string_view fieldLabel, double min, double max);

// C's %g (6 significant digits), independent of the process locale.
std::string formatPercentG(double value);

} // namespace tvx::tablemsg
