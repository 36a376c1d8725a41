#pragma once

#include "table/Field.h"
#include "table/RecordTable.h"

#include <vector>

// The records of the three reference catalogues: fixtures, manufacturers and
// road cases.
namespace tvx::catalogue {

// Fixture field names, as the tables and files know them.
namespace fixture {
inline constexpr const char* FixtureName = "FixtureName";
inline constexpr const char* Manufacturer = "Manufacturer";
inline constexpr const char* Description = "Description";
inline constexpr const char* FixtureType = "FixtureType";
inline constexpr const char* DMXMode = "DMXMode";
inline constexpr const char* DmxChannels = "Number  of DMX channel"; // two blanks, as in every file
inline constexpr const char* BeamMin = "BeamMin";
inline constexpr const char* BeamMax = "BeamMax";
inline constexpr const char* CandelaMin = "CandelaMin";
inline constexpr const char* CandelaMax = "CandelaMax";
inline constexpr const char* Lumens = "Lumens";
inline constexpr const char* MF = "mF";
inline constexpr const char* ColorTemp = "ColorTemp";
inline constexpr const char* LampType = "LampType";
inline constexpr const char* Watts = "Watts";
inline constexpr const char* PowerFactor = "Power Factor";
inline constexpr const char* Weight = "Weight";
inline constexpr const char* Length = "Lenght"; // the files' own spelling
inline constexpr const char* Width = "Width";
inline constexpr const char* Height = "Height";
inline constexpr const char* GoboSize = "Gobo Size";
inline constexpr const char* GelSize = "Dichroic Gel Size";
inline constexpr const char* WeightLbs = "WeightLbs";
inline constexpr const char* MFMax = "mFMax";
inline constexpr const char* LumensMin = "LumensMin";
inline constexpr const char* UseDipSwitch = "UseDipSwitch";
inline constexpr const char* DipSwitchOffset = "DipSwitchOffset";
} // namespace fixture

// The default catalogue and its merged copy list DipSwitchOffset before
// UseDipSwitch; the user catalogue and the merged table the modules read list
// them the other way round. Files load into either, matched by name.
enum class DipSwitchOrder { OffsetFirst, UseFirst };

std::vector<Field> fixtureFields(DipSwitchOrder order);

// Fills WeightLbs, mF and mFMax of a record of `table` (a fixture table).
RecordCalculator fixtureCalculator(const RecordTable& table);

// The calculated fixture values; an empty source counts as 0.
double weightInPounds(double kilograms);
double multiplyingFactor(double beamAngleDegrees);

namespace manufacturer {
inline constexpr const char* Manufacturer = "Manufacturer";
inline constexpr const char* Website = "Website";
inline constexpr const char* Phone = "Phone";
inline constexpr const char* PhoneHotLine = "PhoneHotLine";
inline constexpr const char* EmailInfo = "EmailInfo";
inline constexpr const char* EmailSupport = "EmailSupport";
} // namespace manufacturer

std::vector<Field> manufacturerFields();

namespace roadcase {
inline constexpr const char* No = "No";
inline constexpr const char* Name = "Name";
inline constexpr const char* Description = "Description";
inline constexpr const char* Length = "Length";
inline constexpr const char* Width = "Width";
inline constexpr const char* Height = "Height";
inline constexpr const char* Weight = "Weight";
} // namespace roadcase

std::vector<Field> roadCaseFields();

} // namespace tvx::catalogue
