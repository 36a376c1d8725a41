#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Voltage drop on a cable run, from the circular-mil formula
//   Vd = P x K x L x I / Cm
// solved three ways: the drop for a given gauge, the smallest gauge that keeps
// the drop under a limit, and the longest run that keeps it under a limit.
// Inputs arrive as the texts of the window's fields; results come back as the
// texts the window shows.
namespace tvx::electrical {

// Resistance constants K (ohm x circular mil per foot) at 75 degrees C.
inline constexpr double kCopperK = 12.9;
inline constexpr double kAluminiumK = 21.2;
// Phase factor P of the voltage-drop section.
inline constexpr double kSinglePhaseFactor = 2.0;
inline constexpr double kThreePhaseFactor = 1.732;
// Three-phase factor of the wire-size and distance sections, applied on top
// of the factor 2 (2 x 0.866 = 1.732).
inline constexpr double kThreePhaseHalfFactor = 0.866;
inline constexpr double kMetresToFeet = 3.2808399;
inline constexpr double kFeetToMetres = 0.3048;

inline constexpr std::string_view kOutOfRange = "Out of Range";

// One row of the gauge lists: the item text, the conductor area and, for the
// report's table, the gauge number and the metric size ("" when none).
struct Gauge {
    std::string_view item;
    double circularMils;
    std::string_view awg;
    std::string_view metric;
};

inline constexpr std::size_t GaugeCount = 44;

// Both gauge lists, thickest first; the list index is the row.
inline constexpr std::array<Gauge, GaugeCount> kGauges = {{
    {"0000awg - 120mm", 212000, "0000", "120"},
    {"000awg - 95mm", 168000, "000", "95"},
    {"00awg - 70mm", 133000, "00", "70"},
    {"0awg - 60mm", 106000, "0", "60"},
    {"1awg - 50mm", 83700, "1", "50"},
    {"2awg - 35 mm", 66400, "2", "35"},
    {"3awg", 52600, "3", ""},
    {"4awg - 25mm", 41700, "4", "25"},
    {"5awg", 33100, "5", ""},
    {"6awg - 16mm", 26300, "6", "16"},
    {"7awg", 20800, "7", ""},
    {"8awg - 10mm", 16500, "8", "10"},
    {"9awg", 13100, "9", ""},
    {"10awg - 6mm", 10400, "10", "6"},
    {"11awg", 8230, "11", ""},
    {"12awg - 4mm", 6530, "12", "4"},
    {"13awg", 5180, "13", ""},
    {"14awg - 2.5mm", 4110, "14", "2.5"},
    {"15awg", 3260, "15", ""},
    {"16awg - 1.5mm", 2580, "16", "1.5"},
    {"17awg", 2050, "17", ""},
    {"18awg - 0.75mm", 1620, "18", "0.75"},
    {"19awg", 1290, "19", ""},
    {"20awg - 0.50mm", 1020, "20", "0.50"},
    {"21awg - 0.38mm", 810, "21", "0.38"},
    {"22awg - 0.34mm", 642, "22", "0.34"},
    {"23awg", 509, "23", ""},
    {"24awg - 0.25mm", 404, "24", "0.25"},
    {"25awg", 320, "25", ""},
    {"26awg - 0.14mm", 254, "26", "0.14"},
    {"27awg", 202, "27", ""},
    {"28awg - 0.08mm", 160, "28", "0.08"},
    {"29awg", 127, "29", ""},
    {"30awg - 0.05mm", 101, "30", "0.05"},
    {"31awg", 79.7, "31", ""},
    {"32awg", 63.2, "32", ""},
    {"33awg", 50.1, "33", ""},
    {"34awg", 39.8, "34", ""},
    {"35awg", 31.5, "35", ""},
    {"36awg", 25, "36", ""},
    {"37awg", 19.8, "37", ""},
    {"38awg", 15.7, "38", ""},
    {"39awg", 12.5, "39", ""},
    {"40awg", 9.9, "40", ""},
}};

// The gauge a required area calls for: the smallest gauge whose area is at
// least `circularMils`. Below the thinnest (9.9) or above the thickest
// (212000) area: "Out of Range".
std::string_view wireSizeFor(double circularMils);

// A stored gauge index brought into its list (a damaged value selects the
// first row).
int gaugeIndexInRange(long long index);

enum class PhaseSystem { None, Single, Three };
enum class LengthUnit { Feet, Metre };
enum class Conductor { Copper, Aluminium };
// Which of a section's two limit fields has the keyboard focus: that one
// drives the other; with neither, the volts field drives.
enum class LimitFocus { Neither, Volts, Percent };

// Values a section keeps from one calculation to the next: used when no gauge
// or no system is selected.
struct VoltageDropMemory {
    double dropGaugeMils = 0.0;     // Cm of the voltage-drop section's gauge
    double distanceGaugeMils = 0.0; // Cm of the distance section's gauge
    double drop = 0.0;              // Vd
    double requiredMils = 0.0;      // required area of the wire-size section
    double distanceFeet = 0.0;      // longest run of the distance section
};

struct VoltageDropInput {
    LengthUnit unit = LengthUnit::Feet;
    Conductor conductor = Conductor::Copper;

    // Voltage-drop section. Gauge: list index, -1 when none is selected.
    std::string dropVoltage, dropAmps, dropDistance;
    int dropGauge = -1;
    PhaseSystem dropSystem = PhaseSystem::None;

    // Wire-size section: limits in volts and in percent of the input voltage.
    std::string wireVoltage, wireAmps, wireDistance, wireLimitVolts, wireLimitPercent;
    PhaseSystem wireSystem = PhaseSystem::None;
    LimitFocus wireFocus = LimitFocus::Neither;

    // Distance section.
    std::string distanceVoltage, distanceAmps, distanceLimitVolts, distanceLimitPercent;
    int distanceGauge = -1;
    PhaseSystem distanceSystem = PhaseSystem::None;
    LimitFocus distanceFocus = LimitFocus::Neither;

    VoltageDropMemory previous;
    std::string decimalSeparator = ".";
};

struct VoltageDropResult {
    std::string drop;        // "4.92 volt" or "Out of Range"
    std::string dropPercent; // "2.36 %", "0 %" or "Out of Range"

    // New texts of the limit fields; empty when the field stays as it is.
    std::optional<std::string> wireLimitVolts, wireLimitPercent;
    std::string requiredMils; // "17200.00 Cmils"
    std::string wireSize;     // "7 AWG" or "Out of Range"

    std::optional<std::string> distanceLimitVolts, distanceLimitPercent;
    std::string distance; // "37.97 feet", "11.57 Meter" or "Out of Range"

    VoltageDropMemory memory; // the next calculation's `previous`
};

// Recomputes all three sections.
VoltageDropResult VoltageDropCalculate(const VoltageDropInput& in);

// The report's texts.
std::string phaseSystemText(PhaseSystem system); // "Single Phase", "Three-Phases", ""
std::string conductorText(Conductor conductor);  // "Wire type: Copper"
std::string lengthUnitText(LengthUnit unit);     // "feet", "meter"
// The report's explanation of the formula with its worked example, one
// string per line.
const std::vector<std::string>& voltageDropFormulaLines();
// The report's two gauge tables (heading first): gauges 0000 to 19, and 20 to 40.
std::vector<std::string> gaugeTableLinesThick();
std::vector<std::string> gaugeTableLinesThin();

} // namespace tvx::electrical
