#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// Load sharing over the legs of a split-phase (X, Y, N) or three-phase
// (X, Y, Z, N) supply, from loads in kVA per connection. Inputs arrive as the
// texts of the window's fields; results come back as values and as the texts
// the read-only fields show.
namespace tvx::electrical {

// Message texts of the phase load window.
inline constexpr std::string_view kSelectWorkingVoltage = "Select a working voltage";
// Shown in a share field whose divisor (Imax or the capacity) is zero.
inline constexpr std::string_view kNotAvailable = "N/A";

// Used when the three-phase voltage text is not a number, and the design
// texts of a fresh set-up.
inline constexpr double kDefaultThreePhaseVoltage = 208.0;
inline constexpr std::string_view kDefaultSinglePhaseVoltageText = "240";
inline constexpr std::string_view kDefaultThreePhaseVoltageText = "208";

// The voltages offered by both phase-phase lists.
inline constexpr std::array<std::string_view, 23> kPhasePhaseVoltages = {
    "100", "105", "110", "115", "120", "125", "127", "190", "208", "216", "220", "230",
    "240", "250", "277", "347", "380", "400", "415", "416", "440", "480", "600"};

// Background of a share field.
enum class ShareLevel {
    Low,          // below 80 %: sky blue
    High,         // from 80 % up to but not including 99 %: yellow
    Over,         // 99 % and above: red
    NotAvailable  // zero divisor: no colour
};

// Colour class of a share in percent.
ShareLevel classifyShare(double percent);

// Three significant digits with one decimal ("123.0", "1.2"); from 1000 on
// the three digits go into a mantissa with an exponent: 1234.5 -> "1.23E+3".
std::string displayValue(double value, std::string_view decimalSeparator = ".");

// Shortest decimal text of a value, as written into input fields.
std::string inputText(double value, std::string_view decimalSeparator = ".");

// A computed value and the text its field shows.
struct Shown {
    double value = 0.0;
    std::string text;
};

// A share of a current or of the capacity.
struct Share {
    double percent = 0.0;  // the share that sets the colour
    bool available = false; // false when its divisor is zero
    ShareLevel level = ShareLevel::NotAvailable;
    std::string text;       // "48.1%" or "N/A"
};

struct SinglePhaseInput {
    std::string voltage;   // phase-phase V
    double previousVoltage = 0.0; // V of the previous calculation, used when `voltage` is not a number
    std::string maxAmps;   // Imax per phase
    std::string loadXN, loadYN, loadXY; // kVA
    std::string decimalSeparator = ".";
};

struct SinglePhaseResult {
    double voltage = 0.0; // V used; the next calculation's previousVoltage
    Shown voltageNeutral; // V / 2
    Shown maxKva;         // V * Imax / 1000
    Shown totalKva;
    Shown ampsXN, ampsYN, ampsXY; // branch currents
    Shown ampsX, ampsY, ampsN;    // leg and neutral currents
    Share percentX, percentY, percentN;
    // Text shows the free share (100 - used); percent and colour are the used share.
    Share percentAvailableKva;
};

SinglePhaseResult calculateSinglePhase(const SinglePhaseInput& in);

struct ThreePhaseInput {
    std::string voltage; // phase-phase V; 208 when not a number
    std::string maxAmps;
    std::string loadXY, loadYZ, loadZX; // phase-phase loads, kVA
    std::string loadXN, loadYN, loadZN; // phase-neutral loads, kVA
    std::string decimalSeparator = ".";
};

struct ThreePhaseResult {
    double voltage = 0.0;
    Shown voltageNeutral; // V / sqrt(3)
    Shown maxKva;         // V * Imax * sqrt(3) / 1000
    Shown totalKva;
    Shown ampsXY, ampsYZ, ampsZX, ampsXN, ampsYN, ampsZN;
    Shown ampsX, ampsY, ampsZ, ampsN;
    Share percentX, percentY, percentZ, percentN;
    Share percentAvailableKva; // as in SinglePhaseResult
};

ThreePhaseResult calculateThreePhase(const ThreePhaseInput& in);

// Imax that a capacity typed by the user allows at the voltage of the last
// calculation (0 when it cannot be computed), with its field text.
Shown singlePhaseMaxAmps(std::string_view capacityKva, double voltage, std::string_view decimalSeparator = ".");
Shown threePhaseMaxAmps(std::string_view capacityKva, double voltage, std::string_view decimalSeparator = ".");

// The two items of a working-voltage list: phase-phase and phase-neutral
// voltage, each rounded half to even and written without decimals.
std::array<std::string, 2> workingVoltageItems(double voltage, double voltageNeutral);

struct ApplyInput {
    std::string selectedVoltage; // text of the working-voltage list; empty when none is selected
    std::string deviceCount;     // integer text
    std::string wattsPerDevice;
    double voltage = 0.0;        // V and Vpn of the last calculation
    double voltageNeutral = 0.0;
    std::string decimalSeparator = ".";
};

// The load field texts Apply replaces; fields left empty keep their values.
struct SinglePhaseApply {
    bool needsSelection = false; // no working voltage selected: warn, change nothing
    std::optional<std::string> loadXN, loadYN, loadXY;
};

struct ThreePhaseApply {
    bool needsSelection = false;
    std::optional<std::string> loadXY, loadYZ, loadZX;
    std::optional<std::string> loadXN, loadYN, loadZN;
};

// Spreads N identical devices over the connections of the selected voltage:
// single phase puts them all on X-Y, or splits them over X-N and Y-N (the odd
// one on X); three phase shares them out evenly, the remainder going to the
// first connections (X-Y then Y-Z, or X-N then Y-N).
SinglePhaseApply applySinglePhase(const ApplyInput& in);
ThreePhaseApply applyThreePhase(const ApplyInput& in);

// The text of a warning file: plain text as it stands; a file that starts
// with "{\rtf" loses its control words, groups such as the font table, and
// keeps its text with paragraph breaks. Windows-1252 bytes that are not
// UTF-8 are converted.
std::string warningFileText(std::string_view bytes);

} // namespace tvx::electrical
