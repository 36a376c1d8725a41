#include "table/TableMessages.h"

#include <charconv>
#include <cmath>

namespace tvx::tablemsg {

std::string invalidInteger(std::string_view valueText, std::string_view fieldLabel)
{
    std::string s = "'";
    s.append(valueText).append("' is not a valid integer value for field '").append(fieldLabel);
    s += '\'';
    return s;
}

std::string invalidFloat(std::string_view valueText, std::string_view fieldLabel)
{
    std::string s = "'";
    s.append(valueText).append("' is not a valid floating point value for field '").append(fieldLabel);
    s += '\'';
    return s;
}

std::string outOfRange(double value, std::string_view fieldLabel, double min, double max)
{
    std::string s = formatPercentG(value);
    s.append(" is not a valid value for field '").append(fieldLabel);
    s.append("'. The allowed range is ").append(formatPercentG(min));
    s.append(" to ").append(formatPercentG(max));
    return s;
}

std::string formatPercentG(double value)
{
    if (std::isnan(value))
        return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 6);
    return std::string(buf, res.ptr);
}

} // namespace tvx::tablemsg
