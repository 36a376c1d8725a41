#include "shell/ModuleTable.h"

#include <cstring>
#include <strings.h>

namespace {

constexpr std::array<ModuleSpec, ModuleCount> kModules = {{
    {"SpeedButtonPreference", "Preference", "Preference1", "Preference", "Preference2", "Preferences",
     "TFormPreference", "TVX Preferences", "Preferences.bmp"},
    {"SpeedButtonPhotometric", "Photometric", "Photometric1", "Photometric", "Photometric2", "Photometric",
     "TFormPhotometric", "TVX Photometric", "Bulboff.bmp"},
    {"SpeedButtonElectricalBasicFormula", "Electrical Basic Laws", "ElectricalBasicLaws1", "Electrical Basic Laws",
     "ElectricalBasicLaws2", "Electrical Basic Laws", "TFormElectricalBasicFormula", "TVX Basic Electrical Formula",
     "Electrical_Formula.bmp"},
    {"SpeedButtonElectricalPhaseLoad", "Electrical Phase Load", "ElectricalPhaseLoad1", "Electrical Phase Load",
     "ElectricalPhaseLoad2", "Electrical Phase Load", "TFormElectricalPhaseLoad", "TVX Phase Load",
     "Electrical Load.bmp"},
    {"SpeedButtonElectricalLoadList", "Electrical Load List", "ElectricalLoadList1", "Electrical Load List",
     "ElectricalLoadList2", "Electrical Load List", "TFormElectricalLoadList", "TVX Electrical Load List",
     "Electrical Load List.bmp"},
    {"SpeedButtonElectricalVoltageDrop", "Electrical Voltage Drop", "ElectricalVoltageDrop1",
     "Electrical Voltage Drop", "ElectricalVoltageDrop2", "Electrical Voltage Drop", "TFormElectricalVoltageDrop",
     "TVX Electrical Voltage Drop", "Voltage Drop.bmp"},
    {"SpeedButtonResistanceColorCode", "Resistance Color Code", "ResistanceColorCode1", "Resistance Color Code",
     "ResistanceColorCode2", "Resistance Color Code", "TFormResistanceColorCode", "TVX Resistance Color Code",
     "Resistance.bmp"},
    {"SpeedButtonRigging", "Rigging", "Rigging1", "Rigging", "Rigging2", "Rigging", "TFormRigging",
     "TVX Rigging 2 points", "Rigging.bmp"},
    {"SpeedButtonWeightLoadList", "Weigth Load List", "WeightLoadList1", "Weigth Load List", "WeightLoadList2",
     "Weigth Load List", "TFormWeightLoadList", "TVX Weight Load List", "Weight Load List.bmp"},
    {"SpeedButtonTruckLoadVolume", "Truck Load And Volume", "TruckLoadAndVolume1", "Truck Load And Volume",
     "TruckLoadAndVolume2", "Truck Load And Volume", "TFormTruckLoadVolume", "TVX Truck Load and Volume",
     "Truck Load List.bmp"},
    {"SpeedButtonGeneralConverter", "General Converter", "GeneralConverter1", "General Converter",
     "GeneralConverter2", "General Converter", "TFormGeneralConverter", "TVX General Converter", "Converter.bmp"},
    {"SpeedButtonDMXAddress", "DMX Address ", "DMXAddress1", "DMX Address ", "DMXAddress3", "DMX Address ",
     "TFormDMXAddress2", "TVX DMX Address Calculator", "DMX.bmp"},
    {"SpeedButtonManufacturerDatabase", "Database Manufacturer", "DatabaseManufacturer1", "Database Manufacturer",
     "DatabaseManufacturer2", "Database Manufacturer", "TFormManufacturerDatabase", "TVX Manufacturer Database",
     "TABLEmanufacturer.BMP"},
    {"SpeedButtonFixtureDatabase", "Database Fixture", "DatabaseFixture1", "Database Fixture", "DatabaseFixture2",
     "Database Fixture", "TFormFixtureDatabase", "TVX Fixture Database", "TABLEFixture.BMP"},
    {"SpeedButtonRoadCaseDatabase", "Database Roadcase", "DatabaseRoadcase1", "Database Roadcase",
     "DatabaseRoadcase2", "Database Roadcase", "TFormRoadcaseDatabase", "TVX Roadcase Database",
     "TABLERoadCase.BMP"},
}};

constexpr std::array<std::size_t, ModuleCount> kToolbarOrder = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0};

} // namespace

const std::array<ModuleSpec, ModuleCount>& moduleTable()
{
    return kModules;
}

const std::array<std::size_t, ModuleCount>& toolbarOrder()
{
    return kToolbarOrder;
}

std::size_t moduleIndexOfClass(const char* windowClass)
{
    for (std::size_t i = 0; i < ModuleCount; ++i) {
        // Window classes compare without regard to letter case.
        if (::strcasecmp(kModules[i].windowClass, windowClass) == 0)
            return i;
    }
    return ModuleCount;
}
