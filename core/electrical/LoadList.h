#pragma once

#include "electrical/LoadListSchema.h"
#include "table/RecordTable.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The electrical load list: devices with their voltage, power factor and
// connection, the current each puts on every conductor, and the totals of the
// list for a split-phase (legs X, Y and neutral) or three-phase (X, Y, Z and
// neutral) supply.
namespace tvx::electrical {

enum class PowerSystem { SinglePhase, ThreePhase };

// Called with (position, count) while a long operation runs, for a progress bar.
using LoadProgress = std::function<void(std::size_t position, std::size_t count)>;

// The connections a device can have.
namespace phase {
inline constexpr std::string_view XN = "X-N";
inline constexpr std::string_view YN = "Y-N";
inline constexpr std::string_view ZN = "Z-N";
inline constexpr std::string_view XY = "X-Y";
inline constexpr std::string_view YZ = "Y-Z";
inline constexpr std::string_view ZX = "Z-X";
inline constexpr std::string_view XYZ = "X-Y-Z";
} // namespace phase

// The connection lists offered by each system, in list order.
inline constexpr std::array<std::string_view, 3> kSinglePhaseConnections = {phase::XN, phase::YN, phase::XY};
inline constexpr std::array<std::string_view, 7> kThreePhaseConnections = {
    phase::XN, phase::YN, phase::ZN, phase::XY, phase::YZ, phase::ZX, phase::XYZ};

// A phase-neutral connection: one that ends in "-N".
bool isNeutralConnection(std::string_view connection);

// Used when a phase-phase text is not a usable voltage.
inline constexpr int kFallbackVoltage = 208;
inline constexpr std::string_view kFallbackVoltageText = "208";
// A system's phase-phase voltage when none above 0 was remembered.
int defaultPhasePhaseVoltage(PowerSystem system);

// Vpn: V / 2 (split phase) or V / sqrt(3), rounded half to even.
int phaseNeutralVoltage(PowerSystem system, int voltage);

struct ListVoltage {
    int voltage = kFallbackVoltage; // V
    int neutral = 0;                // Vpn
    bool fallback = false;          // the text was replaced by "208"
    std::string text;               // what the phase-phase field shows
};

// The voltages a committed phase-phase text gives. An integer above 0 whose
// phase-neutral voltage differs from it is used; anything else (230.5, 0,
// -5, "") gives 208, written back into the field, whatever the system.
ListVoltage parsePhasePhaseVoltage(PowerSystem system, std::string_view text);

// The device current and connection check of one record, then its
// per-conductor currents (the list's record calculator).
//  - Amperage = W / Vd / pf (pf 0 or empty counts as 1; Vd 0 gives 0); an
//    "X-Y-Z" device draws W / (sqrt(3) Vd pf) on each line.
//  - Split phase: a device at V becomes "X-Y"; any other one that is not on
//    "X-N" or "Y-N" becomes "X-N".
//  - Three phase: a device at V on a phase-neutral connection becomes "X-Y";
//    a device at Vpn on a phase-phase connection becomes "X-N"; a device at
//    another voltage keeps its connection.
//  - Fields of conductors the device does not load are left empty.
void calculateDevice(Record& record, PowerSystem system, int voltage, int voltageNeutral);

struct LoadTotals {
    std::size_t deviceCount = 0;
    double watts = 0;     // column sums, each value taken to four decimals
    double amperage = 0;
    double ampX = 0, ampY = 0, ampZ = 0;
    double ampXN = 0, ampYN = 0, ampZN = 0;
    double lineX = 0, lineY = 0, lineZ = 0; // leg (split phase) or line currents
    double neutral = 0;
};

// Totals over every record of the table. Split phase: legs X and Y are the
// column sums, the neutral |sum X - sum Y|. Three phase: each line carries
// the phasor difference of its two delta branches plus its phase-neutral
// current; only the phase-neutral currents load the neutral (phasor sum).
LoadTotals computeTotals(const RecordTable& table, PowerSystem system);

// The footer row of the list grid and the three total labels under it.
// Columns that the system does not use are empty texts.
struct LoadFooter {
    std::string deviceName, watts, voltage, amperage, usedPhase;
    std::string ampX, ampY, ampZ, ampXN, ampYN, ampZN, ampN;
    std::string labelX, labelY, labelZ;
};

LoadFooter footerTexts(const LoadTotals& totals, PowerSystem system, int voltage, int voltageNeutral,
                       std::string_view decimalSeparator = ".");

// A device as the fixture catalogue gives it.
struct CatalogueDevice {
    std::string name;
    double watts = 0;
    double powerFactor = 0;
};

// The current record of a fixture table (the merged catalogue), or nothing.
std::optional<CatalogueDevice> currentFixture(const RecordTable& fixtures);

// "Add Multiple": the count field's text, 1 when it is not an integer, kept within 1..1000.
inline constexpr int kAddMultipleMin = 1;
inline constexpr int kAddMultipleMax = 1000;
int addMultipleCount(std::string_view text);

// Visits the records `order` names one by one inside one bulk update (so the
// table is neither re-sorted nor notified per record) and posts each one
// `change` accepts. `change` receives the table with the record in its edit
// buffer and returns false to leave the record as it was; `posted`, when
// given, then sees the stored record. Records are visited in the order given
// whatever a post does to the table's order; the sort is kept.
using RecordChange = std::function<bool(RecordTable& table)>;
using AfterPost = std::function<void(const Record& record)>;
void editRecords(RecordTable& table, const std::vector<RecordId>& order, const RecordChange& change,
                 const AfterPost& posted = {}, const LoadProgress& progress = {});

// The ids of the table's records in their current order.
std::vector<RecordId> recordOrder(const RecordTable& table);

class LoadList {
public:
    enum class AddResult { Added, NeedsWorkingVoltage };

    // `voltage` follows the rules of a committed phase-phase text.
    explicit LoadList(PowerSystem system = PowerSystem::ThreePhase, int voltage = kFallbackVoltage);
    LoadList(const LoadList&) = delete;
    LoadList& operator=(const LoadList&) = delete;

    RecordTable& table() { return table_; }
    const RecordTable& table() const { return table_; }

    PowerSystem system() const { return system_; }
    int voltage() const { return voltage_; }        // V
    int voltageNeutral() const { return neutral_; } // Vpn

    // A committed phase-phase text: sets V and Vpn, then revisits every
    // record. With storeOnFirstRecord (the user typed it) the first record's
    // VoltagePhasePhase becomes V. Returns what the field should show.
    std::string applyVoltage(std::string_view text, bool storeOnFirstRecord = false,
                             const LoadProgress& progress = {});
    // Switches the system and applies the voltage text as above.
    std::string setSystem(PowerSystem system, std::string_view voltageText, const LoadProgress& progress = {});
    // Every record, in the list's order, goes to Vpn when its connection is
    // phase-neutral and to V otherwise, and is posted.
    void revisitVoltages(const LoadProgress& progress = {});

    // Appends `count` copies (clamped to 1..1000) of a catalogue device at
    // the selected working voltage: connected "X-N" at Vpn, "X-Y" otherwise;
    // watts not above 0 are stored as 0 and a power factor not above 0 as 1.
    // Without a selected (numeric) working voltage nothing is added. The
    // current record stays current.
    AddResult addDevice(const CatalogueDevice& device, std::string_view workingVoltage, int count = 1,
                        const LoadProgress& progress = {});

    LoadTotals totals() const { return computeTotals(table_, system_); }
    LoadFooter footer(std::string_view decimalSeparator = ".") const;

    // The working-voltage list items (V and Vpn as integers) and the captions
    // of the two voltage commands of the list's pop-up menu.
    std::array<std::string, 2> workingVoltageItems() const;
    std::array<std::string, 2> voltageCommandCaptions() const;

    // The description rides on the first record: sets its ReportName when it
    // differs. Nothing happens on an empty list.
    void setDescription(std::string_view description);
    // Before saving: the first record becomes current and holds the
    // description and V.
    void storeHeader(std::string_view description);

    // While one exists, posts and appends store records as they are (the
    // currents are not recomputed): list files are read back unchanged.
    class CalculationPause {
    public:
        explicit CalculationPause(LoadList& list) : list_(list), was_(list.calculating_) { list_.calculating_ = false; }
        ~CalculationPause() { list_.calculating_ = was_; }
        CalculationPause(const CalculationPause&) = delete;
        CalculationPause& operator=(const CalculationPause&) = delete;

    private:
        LoadList& list_;
        bool was_;
    };

private:
    void setFirstRecordField(std::size_t field, Value value, bool onlyWhenDifferent);

    RecordTable table_;
    PowerSystem system_;
    int voltage_;
    int neutral_;
    bool calculating_ = true;
};

} // namespace tvx::electrical
