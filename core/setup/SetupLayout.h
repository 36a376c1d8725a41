#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// Byte layout of the setup record (file "Data/TvxSetup.tvx"). Every field the
// program stores has one named constant here, next to its type; code outside
// this header never writes an offset as a number. All numbers are
// little-endian. Bytes no constant covers are unused: a new file holds zero
// there and the program carries them unchanged from the file it read to the
// file it writes.
namespace tvx::setup {

inline constexpr std::size_t RecordSize = 58376;

// Field widths in bytes.
inline constexpr std::size_t Int32Width = 4;
inline constexpr std::size_t DoubleWidth = 8;
// Byte 0 holds the length (0..255), bytes 1..255 the Windows-1252 characters.
inline constexpr std::size_t CountedStringWidth = 256;
inline constexpr std::size_t CountedStringMaxChars = CountedStringWidth - 1;
// Five int32: height, width, top, left, state.
inline constexpr std::size_t GeometryWidth = 5 * Int32Width;

namespace detail {
// Called only during constant evaluation: a field that does not fit inside the
// record stops the build at the constant that defines it.
inline void fieldOutsideRecord() {}

consteval std::size_t checkedOffset(std::size_t offset, std::size_t width)
{
    if (width == 0 || offset > RecordSize || width > RecordSize - offset)
        fieldOutsideRecord();
    return offset;
}
} // namespace detail

// The field types. Their constructors only run at compile time, so every
// field is known to lie inside the record.
struct Int32At {
    std::size_t offset;
    consteval explicit Int32At(std::size_t off) : offset(detail::checkedOffset(off, Int32Width)) {}
    constexpr std::size_t width() const { return Int32Width; }
};

struct DoubleAt {
    std::size_t offset;
    consteval explicit DoubleAt(std::size_t off) : offset(detail::checkedOffset(off, DoubleWidth)) {}
    constexpr std::size_t width() const { return DoubleWidth; }
};

struct Int32ArrayAt {
    std::size_t offset;
    std::size_t count;
    consteval explicit Int32ArrayAt(std::size_t off, std::size_t n)
        : offset(detail::checkedOffset(off, n * Int32Width)), count(n) {}
    constexpr std::size_t width() const { return count * Int32Width; }
};

struct DoubleArrayAt {
    std::size_t offset;
    std::size_t count;
    consteval explicit DoubleArrayAt(std::size_t off, std::size_t n)
        : offset(detail::checkedOffset(off, n * DoubleWidth)), count(n) {}
    constexpr std::size_t width() const { return count * DoubleWidth; }
};

struct CountedStringAt {
    std::size_t offset;
    consteval explicit CountedStringAt(std::size_t off)
        : offset(detail::checkedOffset(off, CountedStringWidth)) {}
    constexpr std::size_t width() const { return CountedStringWidth; }
};

struct GeometryAt {
    std::size_t offset;
    consteval explicit GeometryAt(std::size_t off)
        : offset(detail::checkedOffset(off, GeometryWidth)) {}
    constexpr std::size_t width() const { return GeometryWidth; }
};

// ---- Shell and preferences -------------------------------------------------
// Set to 1 each time the record is saved; a new file holds 0; never read.
inline constexpr Int32At SaveMarker{0};
// General Converter precision, shell copy: read at start-up, written at exit.
inline constexpr Int32At ConverterPrecisionShell{4};
// Never written by the program (0 in a new file); carried through unchanged.
inline constexpr Int32At Reserved8{8};
// General Converter digits, shell copy: read at start-up, written at exit.
inline constexpr Int32At ConverterDigitsShell{12};
// 1 = send the toolbar to the tray icon when minimized (CheckBoxTrayIcon).
inline constexpr Int32At TrayIconOnMinimize{16};
// 1 = toolbar always stays on top (CheckBoxToolBarStayOnTop).
inline constexpr Int32At ToolbarStayOnTop{20};
// Toolbar window left.
inline constexpr Int32At ToolbarLeft{24};
// Toolbar window top.
inline constexpr Int32At ToolbarTop{28};
// 1 = ask to save an unsaved list when a module window closes (CheckBoxConfirmSaveList).
inline constexpr Int32At ConfirmSaveList{36};
// 1 = ask before closing the application (CheckBoxConfirmClose).
inline constexpr Int32At ConfirmClose{40};
// 1 = start minimized (CheckBoxStartMinimized).
inline constexpr Int32At StartMinimized{44};
// Default catalogues in the merged catalogues: 0 = included, 1 = excluded.
inline constexpr Int32At DefaultCataloguesExcluded{48};
// 1 = catalogue filter of the fixture database window on.
inline constexpr Int32At FixtureDatabaseFilterOn{128};
// Resistance colour code: EditOhmsEntry at close in the unit then selected; 0 when empty.
inline constexpr DoubleAt ColourCodeOhms{264};
// Last list folder (with trailing backslash); empty means the start-up folder.
inline constexpr CountedStringAt LastListFolder{520};
// User name printed in report footers (EditUserName).
inline constexpr CountedStringAt UserName{776};
// User data folder chosen in Preferences, without trailing backslash (EditDataFolder).
inline constexpr CountedStringAt UserDataFolder{1032};

// ---- Photometric window ----------------------------------------------------
// Item index of the known-values choice CBKnowing.
inline constexpr Int32At PhotometricKnowing{8712};
// Target quantity, item index of PhotoDropBox1 (0 H ... 10 mF).
inline constexpr Int32At PhotometricTarget{8760};
// 1 = manufacturer filter on.
inline constexpr Int32At PhotometricManufacturerFilterOn{8764};
// Remembered values of H, V, D, F, C, K, X, Y, Fc, Cd, mF, in this order.
inline constexpr DoubleArrayAt PhotometricValues{8968, 11};
// Manufacturer filter text.
inline constexpr CountedStringAt PhotometricManufacturerFilter{9224};

// ---- Basic laws window -----------------------------------------------------
// The 24 input values, Voltage_amps1 first, Resistance_Watts3 last.
inline constexpr DoubleArrayAt BasicLawsValues{11528, 24};

// ---- Phase load window -----------------------------------------------------
// Three-phase page: number of devices (EditNumberDevice).
inline constexpr Int32At PhaseLoadDevices3ph{13832};
// Three-phase page: item index of ComboBoxWorkingVoltage (0 phase-phase, 1 phase-neutral, -1 none).
inline constexpr Int32At PhaseLoadWorkingVoltage3ph{13836};
// Single-phase page: number of devices (EditNumberDevice1).
inline constexpr Int32At PhaseLoadDevices1ph{13872};
// Single-phase page: item index of ComboBoxWorkingVoltage1.
inline constexpr Int32At PhaseLoadWorkingVoltage1ph{13876};
// Window height (200 or less opens the window 500 high).
inline constexpr Int32At PhaseLoadHeight{13912};
// Item index of ComboBoxWorkingVoltage1 again (written and read after PhaseLoadWorkingVoltage1ph).
inline constexpr Int32At PhaseLoadWorkingVoltage1phCopy{13916};
// Active page of PagePhase (0 single phase, 1 three phase).
inline constexpr Int32At PhaseLoadActivePage{13920};
// Three-phase page: EditVoltagePhasePhase, EditMaxAmpsPhase, EditWattsPerDevice,
// EditLoadKVA_XY, _YZ, _ZX, _XN, _YN, _ZN.
inline constexpr DoubleArrayAt PhaseLoadValues3ph{14088, 9};
// Single-phase page: EditVoltagePhasePhase1, EditMaxAmpsPhase1, EditWattsPerDevice1,
// EditLoadKVA_XN1, _YN1, _XY1.
inline constexpr DoubleArrayAt PhaseLoadValues1ph{14168, 6};
// Single-phase page: description EditDescription1.
inline constexpr CountedStringAt PhaseLoadDescription1ph{14344};
// Three-phase page: description EditDescription3.
inline constexpr CountedStringAt PhaseLoadDescription3ph{14600};

// ---- Voltage drop window ---------------------------------------------------
// Gauge index of ComboBoxVoltageDropAWG (0 = first row of the gauge table).
inline constexpr Int32At VoltageDropGauge{16392};
// Gauge index of ComboBoxDistanceAWG.
inline constexpr Int32At VoltageDropDistanceGauge{16396};
// Voltage-drop section system: 1 three-phase, 2 single-phase, 0 neither.
inline constexpr Int32At VoltageDropSystem{16400};
// Wire-size section system: 1 single-phase, 0 three-phase.
inline constexpr Int32At VoltageDropWireSizeSystem{16404};
// Distance section system: 1 single-phase, 0 three-phase.
inline constexpr Int32At VoltageDropDistanceSystem{16408};
// Length unit: 1 feet, 0 metres.
inline constexpr Int32At VoltageDropLengthInFeet{16412};
// Conductor: 1 aluminium, 0 copper.
inline constexpr Int32At VoltageDropAluminium{16416};
// EditVoltageDropAmps, EditVoltageDropDistance, EditWireSizeAmps, EditWireSizeDistance,
// EditWireSizeVoltageDrop, EditDistanceAmps, EditDistanceVoltageDrop,
// EditVoltageDropInputVoltage, EditWireSizeInputVoltage, EditDistanceInputVoltage.
inline constexpr DoubleArrayAt VoltageDropValues{16648, 10};

// ---- Electrical load list window -------------------------------------------
// System: 1 single-phase, 2 three-phase.
inline constexpr Int32At LoadListSystem{18952};
// Item index of the voltage list EditVoltagePhasePhase (written, never read).
inline constexpr Int32At LoadListVoltageIndex{18956};
// Item index of ComboBoxWorkingVoltage (0 phase-phase, 1 phase-neutral).
inline constexpr Int32At LoadListWorkingVoltage{18960};
// Number of devices for Add Multiple (EditNumberDevice1).
inline constexpr Int32At LoadListAddMultipleCount{18964};
// Height of the catalogue pane PanelDatabase.
inline constexpr Int32At LoadListCataloguePaneHeight{18968};
// Window geometry (a stored height of 0 opens it 495 high, a width of 0 729 wide).
inline constexpr GeometryAt LoadListGeometry{18972};
// Column widths of the catalogue grid ElecL_Grid_Source.
inline constexpr Int32ArrayAt LoadListSourceColumnWidths{18992, 5};
// Column widths of the list grid ElecL_Grid_List.
inline constexpr Int32ArrayAt LoadListListColumnWidths{19072, 13};
// 1 = manufacturer filter on.
inline constexpr Int32At LoadListManufacturerFilterOn{19204};
// Phase-phase voltage of the single-phase system (0 or less gives 240).
inline constexpr DoubleAt LoadListVoltage1ph{19208};
// Phase-phase voltage of the three-phase system (0 or less gives 208).
inline constexpr DoubleAt LoadListVoltage3ph{19216};
// Manufacturer filter text.
inline constexpr CountedStringAt LoadListManufacturerFilter{19464};

// ---- Rigging window --------------------------------------------------------
// Mode: nonzero = looking for bridles length, 0 = looking for point position.
inline constexpr Int32At RiggingMode{24072};
// CheckBoxIncrement.
inline constexpr Int32At RiggingIncrement{24076};
// CheckBoxKeepCenter.
inline constexpr Int32At RiggingKeepCenter{24080};
// CheckBoxEqualbeamHeight.
inline constexpr Int32At RiggingEqualBeamHeight{24084};
// CheckBoxEqualBridleLength.
inline constexpr Int32At RiggingEqualBridleLength{24088};
// Rig_Edit_Ax, _Ay, _Ax1, _By, _LegA, _LegB, _Height1, _Weight, _Stage, _TM.
inline constexpr DoubleArrayAt RiggingValues{24328, 10};

// ---- Weight load list window -----------------------------------------------
// Height of PanelDatabase (below 57 gives 76).
inline constexpr Int32At WeightListCataloguePaneHeight{26632};
// 1 = manufacturer filter on.
inline constexpr Int32At WeightListManufacturerFilterOn{26636};
// Window geometry.
inline constexpr GeometryAt WeightListGeometry{26652};
// Column widths of WeightL_Grid_Source.
inline constexpr Int32ArrayAt WeightListSourceColumnWidths{26672, 5};
// Column widths of WeightL_Grid_List.
inline constexpr Int32ArrayAt WeightListListColumnWidths{26752, 6};
// Manufacturer filter text.
inline constexpr CountedStringAt WeightListManufacturerFilter{27144};

// ---- Truck load window -----------------------------------------------------
// Height of PanelDatabase (below 57 gives 76).
inline constexpr Int32At TruckLoadCataloguePaneHeight{29192};
// Window geometry.
inline constexpr GeometryAt TruckLoadGeometry{29212};
// Column widths of RC_Grid_Source.
inline constexpr Int32ArrayAt TruckLoadSourceColumnWidths{29232, 7};
// Column widths of RC_Grid_List.
inline constexpr Int32ArrayAt TruckLoadListColumnWidths{29312, 10};
// TruckLengthEdit, TruckWidthEdit, TruckHeightEdit.
inline constexpr DoubleArrayAt TruckDimensions{29448, 3};

// ---- General converter -----------------------------------------------------
// From and To item indexes: Mass From, Mass To, Volume From, Volume To, Time, Temperature,
// Length, Area, Speed, Light (From then To for each).
inline constexpr Int32ArrayAt ConverterIndexes{31752, 16};
// Precision P (1 to 15).
inline constexpr Int32At ConverterPrecision{31832};
// Digits D (0 to 10).
inline constexpr Int32At ConverterDigits{31836};
// Number format: 0 Normal, 1 Exponent, 2 Fixed.
inline constexpr Int32At ConverterFormat{31840};
// Entry values of Mass, Volume, Time, Temperature, Length, Area, Speed, Light.
inline constexpr DoubleArrayAt ConverterValues{32008, 8};

// ---- DMX window ------------------------------------------------------------
// Height of PanelDatabase (below 57 gives 76).
inline constexpr Int32At DmxCataloguePaneHeight{34312};
// 1 = manufacturer filter on.
inline constexpr Int32At DmxManufacturerFilterOn{34316};
// Window geometry.
inline constexpr GeometryAt DmxGeometry{34332};
// Column widths of DBGridFixtureSource.
inline constexpr Int32ArrayAt DmxSourceColumnWidths{34352, 7};
// Column widths of DBGridList.
inline constexpr Int32ArrayAt DmxListColumnWidths{34432, 11};
// Automation dialog: EditAddMultipleNumberFixtureToAdd, EditAddMultipleStartAddress,
// EditAddMultipleStartID, EditAddMultipleStartPort, EditAutoAddressStartAddress,
// EditAutoAddressStartPort, EditChannelStart, EditChannelIncr.
inline constexpr Int32ArrayAt DmxAutomationValues{34492, 8};
// Manufacturer filter text.
inline constexpr CountedStringAt DmxManufacturerFilter{34824};

// ---- Catalogue windows -----------------------------------------------------
// Manufacturer database window geometry.
inline constexpr GeometryAt ManufacturerDatabaseGeometry{36892};
// Column widths of the manufacturer grid.
inline constexpr Int32ArrayAt ManufacturerDatabaseColumnWidths{36912, 6};
// Fixture database window geometry.
inline constexpr GeometryAt FixtureDatabaseGeometry{39196};
// Column widths of the fixture grid.
inline constexpr Int32ArrayAt FixtureDatabaseColumnWidths{39216, 27};
// Catalogue filter text of the fixture database window.
inline constexpr CountedStringAt FixtureDatabaseFilter{39432};
// Road-case units: 1 = inch and pounds, any other value = centimetres and kilograms.
inline constexpr Int32At RoadCaseUnits{41480};
// Road-case database window geometry.
inline constexpr GeometryAt RoadCaseGeometry{41500};
// Column widths of the road-case grid.
inline constexpr Int32ArrayAt RoadCaseColumnWidths{41520, 7};

// Everything from here to the end of the record is unused.
inline constexpr std::size_t UnusedTailOffset = 41548;

// ---- The whole layout as data ----------------------------------------------
enum class FieldKind { Int32, Double, Int32Array, DoubleArray, CountedString, Geometry };

struct FieldInfo {
    std::string_view name;
    FieldKind kind;
    std::size_t offset;
    std::size_t width;

    constexpr FieldInfo(std::string_view n, Int32At f) : name(n), kind(FieldKind::Int32), offset(f.offset), width(f.width()) {}
    constexpr FieldInfo(std::string_view n, DoubleAt f) : name(n), kind(FieldKind::Double), offset(f.offset), width(f.width()) {}
    constexpr FieldInfo(std::string_view n, Int32ArrayAt f) : name(n), kind(FieldKind::Int32Array), offset(f.offset), width(f.width()) {}
    constexpr FieldInfo(std::string_view n, DoubleArrayAt f) : name(n), kind(FieldKind::DoubleArray), offset(f.offset), width(f.width()) {}
    constexpr FieldInfo(std::string_view n, CountedStringAt f) : name(n), kind(FieldKind::CountedString), offset(f.offset), width(f.width()) {}
    constexpr FieldInfo(std::string_view n, GeometryAt f) : name(n), kind(FieldKind::Geometry), offset(f.offset), width(f.width()) {}
};

// Every field above, in offset order.
inline constexpr std::array AllFields = {
    FieldInfo{"SaveMarker", SaveMarker},
    FieldInfo{"ConverterPrecisionShell", ConverterPrecisionShell},
    FieldInfo{"Reserved8", Reserved8},
    FieldInfo{"ConverterDigitsShell", ConverterDigitsShell},
    FieldInfo{"TrayIconOnMinimize", TrayIconOnMinimize},
    FieldInfo{"ToolbarStayOnTop", ToolbarStayOnTop},
    FieldInfo{"ToolbarLeft", ToolbarLeft},
    FieldInfo{"ToolbarTop", ToolbarTop},
    FieldInfo{"ConfirmSaveList", ConfirmSaveList},
    FieldInfo{"ConfirmClose", ConfirmClose},
    FieldInfo{"StartMinimized", StartMinimized},
    FieldInfo{"DefaultCataloguesExcluded", DefaultCataloguesExcluded},
    FieldInfo{"FixtureDatabaseFilterOn", FixtureDatabaseFilterOn},
    FieldInfo{"ColourCodeOhms", ColourCodeOhms},
    FieldInfo{"LastListFolder", LastListFolder},
    FieldInfo{"UserName", UserName},
    FieldInfo{"UserDataFolder", UserDataFolder},
    FieldInfo{"PhotometricKnowing", PhotometricKnowing},
    FieldInfo{"PhotometricTarget", PhotometricTarget},
    FieldInfo{"PhotometricManufacturerFilterOn", PhotometricManufacturerFilterOn},
    FieldInfo{"PhotometricValues", PhotometricValues},
    FieldInfo{"PhotometricManufacturerFilter", PhotometricManufacturerFilter},
    FieldInfo{"BasicLawsValues", BasicLawsValues},
    FieldInfo{"PhaseLoadDevices3ph", PhaseLoadDevices3ph},
    FieldInfo{"PhaseLoadWorkingVoltage3ph", PhaseLoadWorkingVoltage3ph},
    FieldInfo{"PhaseLoadDevices1ph", PhaseLoadDevices1ph},
    FieldInfo{"PhaseLoadWorkingVoltage1ph", PhaseLoadWorkingVoltage1ph},
    FieldInfo{"PhaseLoadHeight", PhaseLoadHeight},
    FieldInfo{"PhaseLoadWorkingVoltage1phCopy", PhaseLoadWorkingVoltage1phCopy},
    FieldInfo{"PhaseLoadActivePage", PhaseLoadActivePage},
    FieldInfo{"PhaseLoadValues3ph", PhaseLoadValues3ph},
    FieldInfo{"PhaseLoadValues1ph", PhaseLoadValues1ph},
    FieldInfo{"PhaseLoadDescription1ph", PhaseLoadDescription1ph},
    FieldInfo{"PhaseLoadDescription3ph", PhaseLoadDescription3ph},
    FieldInfo{"VoltageDropGauge", VoltageDropGauge},
    FieldInfo{"VoltageDropDistanceGauge", VoltageDropDistanceGauge},
    FieldInfo{"VoltageDropSystem", VoltageDropSystem},
    FieldInfo{"VoltageDropWireSizeSystem", VoltageDropWireSizeSystem},
    FieldInfo{"VoltageDropDistanceSystem", VoltageDropDistanceSystem},
    FieldInfo{"VoltageDropLengthInFeet", VoltageDropLengthInFeet},
    FieldInfo{"VoltageDropAluminium", VoltageDropAluminium},
    FieldInfo{"VoltageDropValues", VoltageDropValues},
    FieldInfo{"LoadListSystem", LoadListSystem},
    FieldInfo{"LoadListVoltageIndex", LoadListVoltageIndex},
    FieldInfo{"LoadListWorkingVoltage", LoadListWorkingVoltage},
    FieldInfo{"LoadListAddMultipleCount", LoadListAddMultipleCount},
    FieldInfo{"LoadListCataloguePaneHeight", LoadListCataloguePaneHeight},
    FieldInfo{"LoadListGeometry", LoadListGeometry},
    FieldInfo{"LoadListSourceColumnWidths", LoadListSourceColumnWidths},
    FieldInfo{"LoadListListColumnWidths", LoadListListColumnWidths},
    FieldInfo{"LoadListManufacturerFilterOn", LoadListManufacturerFilterOn},
    FieldInfo{"LoadListVoltage1ph", LoadListVoltage1ph},
    FieldInfo{"LoadListVoltage3ph", LoadListVoltage3ph},
    FieldInfo{"LoadListManufacturerFilter", LoadListManufacturerFilter},
    FieldInfo{"RiggingMode", RiggingMode},
    FieldInfo{"RiggingIncrement", RiggingIncrement},
    FieldInfo{"RiggingKeepCenter", RiggingKeepCenter},
    FieldInfo{"RiggingEqualBeamHeight", RiggingEqualBeamHeight},
    FieldInfo{"RiggingEqualBridleLength", RiggingEqualBridleLength},
    FieldInfo{"RiggingValues", RiggingValues},
    FieldInfo{"WeightListCataloguePaneHeight", WeightListCataloguePaneHeight},
    FieldInfo{"WeightListManufacturerFilterOn", WeightListManufacturerFilterOn},
    FieldInfo{"WeightListGeometry", WeightListGeometry},
    FieldInfo{"WeightListSourceColumnWidths", WeightListSourceColumnWidths},
    FieldInfo{"WeightListListColumnWidths", WeightListListColumnWidths},
    FieldInfo{"WeightListManufacturerFilter", WeightListManufacturerFilter},
    FieldInfo{"TruckLoadCataloguePaneHeight", TruckLoadCataloguePaneHeight},
    FieldInfo{"TruckLoadGeometry", TruckLoadGeometry},
    FieldInfo{"TruckLoadSourceColumnWidths", TruckLoadSourceColumnWidths},
    FieldInfo{"TruckLoadListColumnWidths", TruckLoadListColumnWidths},
    FieldInfo{"TruckDimensions", TruckDimensions},
    FieldInfo{"ConverterIndexes", ConverterIndexes},
    FieldInfo{"ConverterPrecision", ConverterPrecision},
    FieldInfo{"ConverterDigits", ConverterDigits},
    FieldInfo{"ConverterFormat", ConverterFormat},
    FieldInfo{"ConverterValues", ConverterValues},
    FieldInfo{"DmxCataloguePaneHeight", DmxCataloguePaneHeight},
    FieldInfo{"DmxManufacturerFilterOn", DmxManufacturerFilterOn},
    FieldInfo{"DmxGeometry", DmxGeometry},
    FieldInfo{"DmxSourceColumnWidths", DmxSourceColumnWidths},
    FieldInfo{"DmxListColumnWidths", DmxListColumnWidths},
    FieldInfo{"DmxAutomationValues", DmxAutomationValues},
    FieldInfo{"DmxManufacturerFilter", DmxManufacturerFilter},
    FieldInfo{"ManufacturerDatabaseGeometry", ManufacturerDatabaseGeometry},
    FieldInfo{"ManufacturerDatabaseColumnWidths", ManufacturerDatabaseColumnWidths},
    FieldInfo{"FixtureDatabaseGeometry", FixtureDatabaseGeometry},
    FieldInfo{"FixtureDatabaseColumnWidths", FixtureDatabaseColumnWidths},
    FieldInfo{"FixtureDatabaseFilter", FixtureDatabaseFilter},
    FieldInfo{"RoadCaseUnits", RoadCaseUnits},
    FieldInfo{"RoadCaseGeometry", RoadCaseGeometry},
    FieldInfo{"RoadCaseColumnWidths", RoadCaseColumnWidths},
};

namespace detail {
consteval bool fieldsInOrderWithoutOverlap()
{
    std::size_t end = 0;
    for (const FieldInfo& f : AllFields) {
        if (f.offset < end || f.offset + f.width > RecordSize)
            return false;
        end = f.offset + f.width;
    }
    return end <= UnusedTailOffset;
}
} // namespace detail

static_assert(detail::fieldsInOrderWithoutOverlap(),
              "setup fields must be listed in offset order, fit the record and not overlap");
static_assert(AllFields.back().offset + AllFields.back().width == UnusedTailOffset);

} // namespace tvx::setup
