#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The colour code of a four-band resistor: first digit (A), second digit (B),
// multiplier (C) and tolerance (D). Reading the bands gives the resistance;
// a typed resistance gives the three value bands.
namespace tvx::electrical {

enum class ResistorColour : int {
    Black, Brown, Red, Orange, Yellow, Green, Blue, Purple, Gray, White, Gold, Silver, NoColor
};
inline constexpr std::size_t ResistorColourCount = 13;

// One colour of the code with the texts of the colour chart ("" where the
// colour has no meaning for that band).
struct ResistorColourInfo {
    ResistorColour colour;
    std::string_view name;          // "Brown"; printed on the report
    std::uint32_t rgb;              // 0xRRGGBB
    std::string_view digitText;     // "1"
    std::string_view multiplierText; // "*10", "*0.1"
    std::string_view toleranceText; // "1%"
};

// The colours in code order, Black first, NoColor last.
const std::array<ResistorColourInfo, ResistorColourCount>& resistorColours();
const ResistorColourInfo& colourInfo(ResistorColour colour);
// Chart order: the digits 1 to 9 and 0, then Gold, Silver and No Color.
const std::array<ResistorColour, ResistorColourCount>& chartOrder();

enum class ColourBand : int { A, B, C, D };
inline constexpr std::size_t ColourBandCount = 4;

// One band: its colour and what it stands for (A: 10 x first digit,
// B: second digit, C: multiplier, D: tolerance in percent).
struct BandSetting {
    ResistorColour colour = ResistorColour::Black;
    double value = 0;
    bool operator==(const BandSetting&) const = default;
};

struct ColourBands {
    std::array<BandSetting, ColourBandCount> bands{};
    BandSetting& operator[](ColourBand b) { return bands[std::size_t(b)]; }
    const BandSetting& operator[](ColourBand b) const { return bands[std::size_t(b)]; }
    bool operator==(const ColourBands&) const = default;
};

// A = Black, B = Black, C = Black (x1), D = Brown (1 %).
ColourBands initialBands();

// One clickable swatch of a band's picker.
struct BandSwatch {
    std::string_view objectName; // "ResistanceCode_A0"
    std::string_view hint;       // "0", "Multiply by 10", "1 % tolerance"
    BandSetting setting;
};
// The swatches of a band's picker, in picker order.
const std::vector<BandSwatch>& bandSwatches(ColourBand band);

// Multiplier band by its number 0..11 (Black x1 ... White x1e9, Gold x0.1,
// Silver x0.01); any other number gives Black x1.
BandSetting multiplierBand(int index);
// Digit band A (value 10 x digit) or B (value digit); digits outside 0..9
// give Black.
BandSetting digitBand(ColourBand band, int digit);

// (A + B) x C, in ohms.
double bandsResistance(const ColourBands& bands);

struct ColourCodeResults {
    std::string ohms;     // "4700.0 Ohms (+/- 5% tolerance)"
    std::string kiloOhms; // "4.7 Kilo Ohms (+/- 5% tolerance)"
    std::string megaOhms; // "0.0 Mega Ohms (+/- 5% tolerance)"
    bool operator==(const ColourCodeResults&) const = default;
};
ColourCodeResults colourCodeResults(const ColourBands& bands, std::string_view decimalSeparator = ".");

enum class EntryUnit { Ohms, KiloOhms, MegaOhms };
// Ohms per unit: 1, 1000, 1000000.
double unitFactor(EntryUnit unit);

// The largest resistance the bands can show: White, White, White.
inline constexpr double MaxCodedOhms = 99000000000.0;

// The typed value shown back: 1 decimal, trailing zeros trimmed ("4.7", "47").
std::string entryText(double value, std::string_view decimalSeparator = ".");
// The resistance of the bands in the unit, as entryText.
std::string resistanceEntryText(const ColourBands& bands, EntryUnit unit, std::string_view decimalSeparator = ".");

struct ValueToBandsResult {
    bool readable = false;                // the entry held a number
    std::optional<std::string> cutEntry;  // the entry text after cutting it back to the largest code
    bool coded = false;                   // bands A, B and C were set from the value
    ColourBands bands;                    // the new bands (the old ones when not coded)
};

// Bands A, B and C for a typed resistance. Digits are truncated (4790 ohms
// gives 4700); below 1 ohm only the first digit survives (0.47 gives 0.40);
// below 0.1 ohm all three bands are black. An entry above the largest code
// (99 x 10^9 ohms, expressed in the entry's unit) is cut back to it. Band D
// never changes; an entry that is no number changes nothing.
ValueToBandsResult valueToBands(std::string_view entry, EntryUnit unit, const ColourBands& current,
                                std::string_view decimalSeparator = ".");

// One click of the spin button on the entry (a text without a number counts
// as 0): below 0.1 the entry becomes 0.1; otherwise it moves by a tenth of
// its decade's lower bound (0.1 up to 10, 1 up to 100, ... 10^8 up to
// 10^10). nullopt: 10^10 or more, the entry stays as it is.
std::optional<std::string> spinEntry(std::string_view entry, bool up, std::string_view decimalSeparator = ".");

// A value read back from the setup record, brought into range: not finite
// or negative gives 0, anything above the largest code is cut back to it.
double storedEntryValue(double stored);

} // namespace tvx::electrical
