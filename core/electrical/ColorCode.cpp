#include "electrical/ColorCode.h"

#include "common/NumberText.h"

#include <cmath>

namespace tvx::electrical {

namespace {

using C = ResistorColour;

const std::array<ResistorColourInfo, ResistorColourCount> kColours = {{
    {C::Black, "Black", 0x000000, "0", "*1", ""},
    {C::Brown, "Brown", 0x804000, "1", "*10", "1%"},
    {C::Red, "Red", 0xFF0000, "2", "*100", "2%"},
    {C::Orange, "Orange", 0xFF8000, "3", "*1K", "3%"},
    {C::Yellow, "Yellow", 0xFFFF00, "4", "*10K", "4%"},
    {C::Green, "Green", 0x008000, "5", "*100K", ""},
    {C::Blue, "Blue", 0x0000FF, "6", "*1M", ""},
    {C::Purple, "Purple", 0x800080, "7", "*10M", ""},
    {C::Gray, "Gray", 0x808080, "8", "*100M", ""},
    {C::White, "White", 0xFFFFFF, "9", "*1G", ""},
    {C::Gold, "Gold", 0xBEA53D, "", "*0.1", "5%"},
    {C::Silver, "Silver", 0xC0C0C0, "", "*0.01", "10%"},
    {C::NoColor, "No Color", 0x400000, "", "", "20%"},
}};

const std::array<ResistorColour, ResistorColourCount> kChartOrder = {
    C::Brown, C::Red, C::Orange, C::Yellow, C::Green, C::Blue, C::Purple,
    C::Gray,  C::White, C::Black, C::Gold, C::Silver, C::NoColor,
};

// Multiplier of band number 0..11.
constexpr std::array<double, 12> kMultipliers = {
    1.0, 10.0, 100.0, 1000.0, 10000.0, 100000.0, 1000000.0, 10000000.0, 100000000.0, 1000000000.0, 0.1, 0.01,
};

std::vector<BandSwatch> makeDigitSwatches(ColourBand band)
{
    static constexpr std::string_view namesA[] = {
        "ResistanceCode_A0", "ResistanceCode_A1", "ResistanceCode_A2", "ResistanceCode_A3", "ResistanceCode_A4",
        "ResistanceCode_A5", "ResistanceCode_A6", "ResistanceCode_A7", "ResistanceCode_A8", "ResistanceCode_A9"};
    static constexpr std::string_view namesB[] = {
        "ResistanceCode_B0", "ResistanceCode_B1", "ResistanceCode_B2", "ResistanceCode_B3", "ResistanceCode_B4",
        "ResistanceCode_B5", "ResistanceCode_B6", "ResistanceCode_B7", "ResistanceCode_B8", "ResistanceCode_B9"};
    static constexpr std::string_view hints[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    std::vector<BandSwatch> swatches;
    for (int d = 0; d < 10; ++d)
        swatches.push_back({band == ColourBand::A ? namesA[d] : namesB[d], hints[d], digitBand(band, d)});
    return swatches;
}

std::vector<BandSwatch> makeMultiplierSwatches()
{
    static constexpr std::string_view names[] = {
        "ResistanceCode_C0", "ResistanceCode_C1", "ResistanceCode_C2", "ResistanceCode_C3",
        "ResistanceCode_C4", "ResistanceCode_C5", "ResistanceCode_C6", "ResistanceCode_C7",
        "ResistanceCode_C8", "ResistanceCode_C9", "ResistanceCode_CDiv10", "ResistanceCode_CDiv100"};
    static constexpr std::string_view hints[] = {
        "Multiply by 1",        "Multiply by 10",        "Multiply by 100",        "Multiply by  1000",
        "Multiply by 10000",    "Multiply by 100000",    "Multiply by 1000000",    "Multiply by 10000000",
        "Multiply by 100000000", "Multiply by 1000000000", "Multiply by 0.1",        "Multiply by 0.01"};
    std::vector<BandSwatch> swatches;
    for (int i = 0; i < 12; ++i)
        swatches.push_back({names[i], hints[i], multiplierBand(i)});
    return swatches;
}

std::vector<BandSwatch> makeToleranceSwatches()
{
    return {
        {"ResistanceCode_D1", "1 % tolerance", {C::Brown, 1}},
        {"ResistanceCode_D2", "2 % tolerance", {C::Red, 2}},
        {"ResistanceCode_D3", "3 % tolerance", {C::Orange, 3}},
        {"ResistanceCode_D4", "4 % tolerance", {C::Yellow, 4}},
        {"ResistanceCode_D5", "5 % tolerance", {C::Gold, 5}},
        {"ResistanceCode_D10", "10 % tolerance", {C::Silver, 10}},
        {"ResistanceCode_D20", "No color = 20 % tolerance", {C::NoColor, 20}},
    };
}

std::string resultText(double value, std::string_view unitText, double tolerance, std::string_view separator)
{
    return formatFixed(value, 15, 1, separator) + std::string(unitText) + formatGeneral(tolerance, 15, 0, separator) +
           "% tolerance)";
}

// The first two significant digits of v (> 0) and its decimal exponent
// (v = d1.d2... x 10^exponent), taken from the decimal text so that values
// such as 2.3 or 0.29, stored a hair below their decimal value, keep their
// digits.
struct LeadingDigits {
    int first = 0;
    int second = 0;
    int exponent = 0;
};

std::optional<LeadingDigits> leadingDigits(double v)
{
    const std::string text = formatExponent(v, 15, 0); // "4.70000000000000E+3"
    const std::size_t e = text.find('E');
    if (text.size() < 4 || e == std::string::npos || text[1] != '.')
        return std::nullopt;
    const std::optional<std::int32_t> exponent = parseInt(std::string_view(text).substr(e + 1));
    if (!exponent)
        return std::nullopt;
    return LeadingDigits{text[0] - '0', text[2] - '0', *exponent};
}

} // namespace

const std::array<ResistorColourInfo, ResistorColourCount>& resistorColours()
{
    return kColours;
}

const ResistorColourInfo& colourInfo(ResistorColour colour)
{
    const auto index = std::size_t(colour);
    return index < kColours.size() ? kColours[index] : kColours[0];
}

const std::array<ResistorColour, ResistorColourCount>& chartOrder()
{
    return kChartOrder;
}

ColourBands initialBands()
{
    ColourBands bands;
    bands[ColourBand::A] = {C::Black, 0};
    bands[ColourBand::B] = {C::Black, 0};
    bands[ColourBand::C] = {C::Black, 1};
    bands[ColourBand::D] = {C::Brown, 1};
    return bands;
}

const std::vector<BandSwatch>& bandSwatches(ColourBand band)
{
    static const std::vector<BandSwatch> a = makeDigitSwatches(ColourBand::A);
    static const std::vector<BandSwatch> b = makeDigitSwatches(ColourBand::B);
    static const std::vector<BandSwatch> c = makeMultiplierSwatches();
    static const std::vector<BandSwatch> d = makeToleranceSwatches();
    switch (band) {
    case ColourBand::A: return a;
    case ColourBand::B: return b;
    case ColourBand::C: return c;
    case ColourBand::D: break;
    }
    return d;
}

BandSetting multiplierBand(int index)
{
    if (index < 0 || index >= int(kMultipliers.size()))
        return {C::Black, 1};
    return {ResistorColour(index), kMultipliers[std::size_t(index)]};
}

BandSetting digitBand(ColourBand band, int digit)
{
    if (digit < 0 || digit > 9)
        digit = 0;
    const double value = band == ColourBand::A ? 10.0 * digit : double(digit);
    return {ResistorColour(digit), value};
}

double bandsResistance(const ColourBands& bands)
{
    return (bands[ColourBand::A].value + bands[ColourBand::B].value) * bands[ColourBand::C].value;
}

ColourCodeResults colourCodeResults(const ColourBands& bands, std::string_view decimalSeparator)
{
    const double ohms = bandsResistance(bands);
    const double tolerance = bands[ColourBand::D].value;
    // Bands only come from the tables; anything else shows no result rather
    // than a made-up number.
    if (!std::isfinite(ohms) || !std::isfinite(tolerance))
        return {};
    return {
        resultText(ohms, " Ohms (+/- ", tolerance, decimalSeparator),
        resultText(ohms / 1000.0, " Kilo Ohms (+/- ", tolerance, decimalSeparator),
        resultText(ohms / 1000000.0, " Mega Ohms (+/- ", tolerance, decimalSeparator),
    };
}

double unitFactor(EntryUnit unit)
{
    switch (unit) {
    case EntryUnit::Ohms: break;
    case EntryUnit::KiloOhms: return 1000.0;
    case EntryUnit::MegaOhms: return 1000000.0;
    }
    return 1.0;
}

std::string entryText(double value, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        value = 0;
    return formatMask(value, "0.#", decimalSeparator, "");
}

std::string resistanceEntryText(const ColourBands& bands, EntryUnit unit, std::string_view decimalSeparator)
{
    return entryText(bandsResistance(bands) / unitFactor(unit), decimalSeparator);
}

ValueToBandsResult valueToBands(std::string_view entry, EntryUnit unit, const ColourBands& current,
                                std::string_view decimalSeparator)
{
    ValueToBandsResult result;
    result.bands = current;
    std::optional<double> typed = parseFloat(entry, decimalSeparator);
    if (!typed || !std::isfinite(*typed))
        return result;
    result.readable = true;

    // The cut-back limit is the largest code in the entry's own unit, so a
    // value typed in kilo-ohms or mega-ohms can never leave the bands showing
    // an older resistance.
    const double factor = unitFactor(unit);
    const double limit = MaxCodedOhms / factor;
    double value = *typed;
    if (value > limit) {
        value = limit;
        result.cutEntry = entryText(value, decimalSeparator);
    }
    const double ohms = value * factor;

    BandSetting first = digitBand(ColourBand::A, 0);
    BandSetting second = digitBand(ColourBand::B, 0);
    BandSetting multiplier = multiplierBand(0);
    if (ohms > 0) {
        const std::optional<LeadingDigits> digits = leadingDigits(ohms);
        if (!digits)
            return result;
        const int e = digits->exponent;
        if (e > 10)
            return result; // beyond White x10^9: nothing to show
        if (e >= -1) {
            first = digitBand(ColourBand::A, digits->first);
            // Below 1 ohm the silver band leaves room for one digit only.
            second = digitBand(ColourBand::B, e == -1 ? 0 : digits->second);
            if (e == -1)
                multiplier = multiplierBand(11); // Silver x0.01
            else if (e == 0)
                multiplier = multiplierBand(10); // Gold x0.1
            else
                multiplier = multiplierBand(e - 1); // 10..99: Black x1; 100..999: Brown x10; ...
        }
    }
    result.coded = true;
    result.bands[ColourBand::A] = first;
    result.bands[ColourBand::B] = second;
    result.bands[ColourBand::C] = multiplier;
    return result;
}

std::optional<std::string> spinEntry(std::string_view entry, bool up, std::string_view decimalSeparator)
{
    double e = parseFloat(entry, decimalSeparator).value_or(0.0);
    if (!std::isfinite(e))
        e = 0;
    if (e < 0.1)
        return entryText(0.1, decimalSeparator);
    if (e >= 10000000000.0)
        return std::nullopt;
    double step = 0.1;
    for (double bound = 10.0; e >= bound; bound *= 10.0)
        step = bound / 10.0;
    const double changed = up ? e + step : e - step;
    return entryText(changed < 0 ? 0.0 : changed, decimalSeparator);
}

double storedEntryValue(double stored)
{
    if (!std::isfinite(stored) || stored < 0)
        return 0;
    return stored > MaxCodedOhms ? MaxCodedOhms : stored;
}

} // namespace tvx::electrical
