#pragma once

#include "table/Field.h"

#include <cstddef>
#include <string_view>
#include <vector>

// The record of the electrical load list: one record per device.
namespace tvx::electrical {

inline constexpr std::string_view kLoadListTableName = "TableElecL";

namespace elecl {

// Field names, as the list table and the list files know them.
inline constexpr const char* DeviceName = "Device Name";
inline constexpr const char* Watts = "Watts";
inline constexpr const char* Voltage = "Voltage";
inline constexpr const char* PowerFactor = "Power Factor";
inline constexpr const char* Amperage = "Amperage";
inline constexpr const char* UsedPhase = "UsedPhase";
inline constexpr const char* AmpX = "AmpX";
inline constexpr const char* AmpY = "AmpY";
inline constexpr const char* AmpZ = "AmpZ";
inline constexpr const char* AmpXN = "AmpXN";
inline constexpr const char* AmpYN = "AmpYN";
inline constexpr const char* AmpZN = "AmpZN";
inline constexpr const char* AmpN = "AmpN";
inline constexpr const char* ReportName = "ReportName";
inline constexpr const char* VoltagePhasePhase = "VoltagePhasePhase";

// Field positions; the schema never changes, so the calculations index directly.
enum Column : std::size_t {
    ColDeviceName,
    ColWatts,
    ColVoltage,
    ColPowerFactor,
    ColAmperage,
    ColUsedPhase,
    ColAmpX,
    ColAmpY,
    ColAmpZ,
    ColAmpXN,
    ColAmpYN,
    ColAmpZN,
    ColAmpN,
    ColReportName,
    ColVoltagePhasePhase,
    ColumnCount
};

// While editing, watts are shown without the unit.
inline constexpr std::string_view WattsEditFormat = "0.##";

// The power factor a record may hold.
inline constexpr double PowerFactorMin = 0.01;
inline constexpr double PowerFactorMax = 1.0;

} // namespace elecl

// The 15 fields of TableElecL in file order. The currents are calculated
// fields (filled on every post); ReportName and VoltagePhasePhase carry the
// list description and phase-phase voltage on the first record.
std::vector<Field> loadListFields();

} // namespace tvx::electrical
