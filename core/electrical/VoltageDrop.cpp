#include "electrical/VoltageDrop.h"

#include "common/NumberText.h"

#include <cmath>

namespace tvx::electrical {

namespace {

// The required-area steps: an area above `above` (and up to the next bound)
// needs `result`. Areas from 9.9 exactly are covered by the thinnest gauge.
struct SizeStep {
    double above;
    std::string_view result;
};

constexpr std::array<SizeStep, 44> kSizeSteps = {{
    {9.9, "39 AWG"},
    {12.5, "38 AWG"},
    {15.7, "37 AWG"},
    {19.8, "36 AWG"},
    {25, "35 AWG"},
    {31.5, "34 AWG"},
    {39.8, "33 AWG"},
    {50.1, "32 AWG"},
    {63.2, "31 AWG"},
    {79.7, "30 AWG - 0.05mm"},
    {101, "29 AWG"},
    {127, "28 AWG - 0.08mm"},
    {160, "27 AWG"},
    {202, "26 AWG - 0.14mm"},
    {254, "25 AWG"},
    {320, "24 AWG - 0.25mm"},
    {404, "23 AWG"},
    {509, "22 AWG - 0.34mm"},
    {642, "21 AWG - 0.38mm"},
    {810, "20 AWG - 0.50mm"},
    {1020, "19 AWG"},
    {1290, "18 AWG - 0.75mm"},
    {1620, "17 AWG"},
    {2050, "16 AWG - 1.5mm"},
    {2580, "15 AWG"},
    {3260, "14 AWG - 2.5mm"},
    {4110, "13 AWG"},
    {5180, "12 AWG - 4mm"},
    {6530, "11 AWG"},
    {8230, "10 AWG - 6mm"},
    {10400, "9 AWG"},
    {13100, "8 AWG - 10mm"},
    {16500, "7 AWG"},
    {20800, "6 AWG - 16mm"},
    {26300, "5 AWG"},
    {33100, "4 AWG - 25mm"},
    {41700, "3 AWG"},
    {52600, "2 AWG - 35mm"},
    {66400, "1 AWG - 50mm"},
    {83700, "#0 - 60mm"},
    {106000, "#00 - 70mm"},
    {133000, "#000 - 95mm"},
    {168000, "#0000 - 120mm"},
    {212000, "Out of Range"},
}};

constexpr double kThinnestMils = 9.9;
constexpr std::string_view kThinnestSize = "40 AWG";

// A field read as a number: empty, unreadable or negative reads as 0.
double fieldValue(std::string_view text, std::string_view sep)
{
    const auto v = parseFloat(text, sep);
    return v && std::isfinite(*v) && *v > 0.0 ? *v : 0.0;
}

bool isBlank(std::string_view text)
{
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// An arithmetic fault (zero divisor, overflow) gives 0.
double checked(double v)
{
    return std::isfinite(v) ? v : 0.0;
}

double quotient(double numerator, double divisor)
{
    return divisor == 0.0 ? 0.0 : checked(numerator / divisor);
}

std::string fixed2(double v, std::string_view sep)
{
    return formatFixed(v, 15, 2, sep);
}

double gaugeMils(int index, double previous)
{
    if (index < 0 || index >= static_cast<int>(GaugeCount))
        return previous;
    return kGauges[static_cast<std::size_t>(index)].circularMils;
}

double conductorK(Conductor c)
{
    return c == Conductor::Aluminium ? kAluminiumK : kCopperK;
}

double feet(double length, LengthUnit unit)
{
    return unit == LengthUnit::Metre ? checked(length * kMetresToFeet) : length;
}

// The limit of a section in volts and the texts its two fields receive. The
// field the user types in drives the other. When the volts field drives, its
// value is used as typed and only the percent follows: rewriting the volts
// from a rounded percent would shift the limit, and with no input voltage
// would wipe it.
struct Limit {
    double volts = 0.0;
    std::optional<std::string> voltsText;
    std::optional<std::string> percentText;
};

Limit coupledLimit(double inputVoltage, std::string_view voltsText, std::string_view percentText, LimitFocus focus,
                   std::string_view sep)
{
    Limit l;
    if (focus == LimitFocus::Percent) {
        const double percent = fieldValue(percentText, sep);
        l.volts = checked(percent * inputVoltage / 100.0);
        // An emptied percent empties the volts rather than showing a 0 the
        // user never typed.
        l.voltsText = isBlank(percentText) ? std::string() : formatGeneral(l.volts, 15, 0, sep);
        return l;
    }
    l.volts = fieldValue(voltsText, sep);
    if (inputVoltage != 0.0) {
        const double percent = checked(l.volts / inputVoltage * 100.0);
        l.percentText = formatMask(percent, "0.##", sep, "");
    }
    return l;
}

std::string padLeft(std::string_view s, std::size_t width)
{
    std::string out(s.size() < width ? width - s.size() : 0, ' ');
    out += s;
    return out;
}

std::string padRight(std::string_view s, std::size_t width)
{
    std::string out(s);
    if (out.size() < width)
        out.append(width - out.size(), ' ');
    return out;
}

constexpr std::size_t kFirstThinRow = 23; // 20awg

} // namespace

std::string_view wireSizeFor(double circularMils)
{
    if (!std::isfinite(circularMils) || circularMils < kThinnestMils)
        return kOutOfRange;
    if (circularMils == kThinnestMils)
        return kThinnestSize;
    std::string_view result = kOutOfRange;
    for (const SizeStep& step : kSizeSteps)
        if (circularMils > step.above)
            result = step.result;
    return result;
}

int gaugeIndexInRange(long long index)
{
    return index >= 0 && index < static_cast<long long>(GaugeCount) ? static_cast<int>(index) : 0;
}

VoltageDropResult VoltageDropCalculate(const VoltageDropInput& in)
{
    const std::string_view sep = in.decimalSeparator;
    const double k = conductorK(in.conductor);
    VoltageDropResult r;
    VoltageDropMemory& m = r.memory;
    m = in.previous;
    m.dropGaugeMils = gaugeMils(in.dropGauge, in.previous.dropGaugeMils);
    m.distanceGaugeMils = gaugeMils(in.distanceGauge, in.previous.distanceGaugeMils);

    // Voltage drop of a given gauge.
    {
        const double vin = fieldValue(in.dropVoltage, sep);
        const double amps = fieldValue(in.dropAmps, sep);
        const double length = feet(fieldValue(in.dropDistance, sep), in.unit);
        const double cm = m.dropGaugeMils;
        if (in.dropSystem == PhaseSystem::Single)
            m.drop = checked(kSinglePhaseFactor * k * amps * quotient(length, cm));
        else if (in.dropSystem == PhaseSystem::Three)
            m.drop = quotient(kThreePhaseFactor * k * amps * length, cm);
        const double vd = m.drop;
        if (vd > vin) {
            r.drop = std::string(kOutOfRange);
            r.dropPercent = std::string(kOutOfRange);
        } else {
            r.drop = fixed2(vd, sep) + " volt";
            r.dropPercent = vin != 0.0 ? fixed2(checked(vd / vin * 100.0), sep) + " %" : std::string("0 %");
        }
    }

    // Smallest gauge for a drop limit.
    {
        const double vin = fieldValue(in.wireVoltage, sep);
        const double amps = fieldValue(in.wireAmps, sep);
        const double length = feet(fieldValue(in.wireDistance, sep), in.unit);
        const Limit limit = coupledLimit(vin, in.wireLimitVolts, in.wireLimitPercent, in.wireFocus, sep);
        r.wireLimitVolts = limit.voltsText;
        r.wireLimitPercent = limit.percentText;
        if (in.wireSystem == PhaseSystem::Single)
            m.requiredMils = quotient(2.0 * length * amps * k, limit.volts);
        else if (in.wireSystem == PhaseSystem::Three)
            m.requiredMils = quotient(2.0 * length * amps * k * kThreePhaseHalfFactor, limit.volts);
        r.requiredMils = fixed2(m.requiredMils, sep) + " Cmils";
        r.wireSize = std::string(wireSizeFor(m.requiredMils));
    }

    // Longest run for a drop limit.
    {
        const double vin = fieldValue(in.distanceVoltage, sep);
        const double amps = fieldValue(in.distanceAmps, sep);
        const Limit limit =
            coupledLimit(vin, in.distanceLimitVolts, in.distanceLimitPercent, in.distanceFocus, sep);
        r.distanceLimitVolts = limit.voltsText;
        r.distanceLimitPercent = limit.percentText;
        const double cm = m.distanceGaugeMils;
        if (in.distanceSystem == PhaseSystem::Single)
            m.distanceFeet = checked(quotient(limit.volts * cm, amps * k) / 2.0);
        else if (in.distanceSystem == PhaseSystem::Three)
            m.distanceFeet = checked(quotient(limit.volts * cm, amps * k * kThreePhaseHalfFactor) / 2.0);
        const double l = m.distanceFeet;
        if (!(l > 0.0))
            r.distance = std::string(kOutOfRange);
        else if (in.unit == LengthUnit::Metre)
            r.distance = fixed2(checked(l * kFeetToMetres), sep) + " Meter";
        else
            r.distance = fixed2(l, sep) + " feet";
    }
    return r;
}

std::string phaseSystemText(PhaseSystem system)
{
    switch (system) {
    case PhaseSystem::Single:
        return "Single Phase";
    case PhaseSystem::Three:
        return "Three-Phases";
    case PhaseSystem::None:
        break;
    }
    return {};
}

std::string conductorText(Conductor conductor)
{
    return conductor == Conductor::Aluminium ? "Wire type: Aluminium" : "Wire type: Copper";
}

std::string lengthUnitText(LengthUnit unit)
{
    return unit == LengthUnit::Metre ? "meter" : "feet";
}

const std::vector<std::string>& voltageDropFormulaLines()
{
    static const std::vector<std::string> lines = {
        "Formula: Vd = ( P * K * L * I ) / Cm ",
        "",
        "Where: ",
        "Vd = Voltage drop ( what we're looking for ) ",
        "P = Phase of circuit ( 2 for single phase or DC, 1.732 for three phase ) ",
        "K = Resistance constant ( 12.9 for copper, 21.2 for aluminum ) ",
        "L = One-way length of circuit ",
        "I = Amperage of the load being served ",
        "Cm = Circular mil area of the conductor ( According to the table ) ",
        "",
        "ex. 1 ",
        "One 7-1/2 hp three-phase motor draws 24.2 amps at 208 volts. ",
        "We are feeding this motor with # 8 copper THWN ",
        "and the motor is 150 feet from the panelboard. ",
        "",
        "What is the voltage drop in this run of wire? ",
        "And is it less than 3% of the supply voltage at the panelboard? ",
        "",
        "1. Find the allowable voltage drop in the circuit ( 3% ).  ",
        "    208 * .03 = 6.24, so allowable drop is 6.24 volts ",
        "",
        "2. Find the Cm of # 8 conductor in table.  ",
        "    # 8 copper = 16500 Cm ",
        "",
        "3. Find the voltage drop.  ",
        "    Vd = ( 1.732 * 12.9 * 150 * 24.2 ) / 16500 ",
        "    Vd = ( 81104.36 ) / 16500  ",
        "    Vd = 4.92 volts ",
        "    4.92 is less than 6.24 so this is less than the 3% allowed. ",
    };
    return lines;
}

// "212000 = 0000 = 120": area, gauge and metric size, columns padded so that
// they line up in a fixed-pitch font.
std::vector<std::string> gaugeTableLinesThick()
{
    std::vector<std::string> lines{"   Cmil  -  AWG - mm2"};
    for (std::size_t i = 0; i < kFirstThinRow; ++i) {
        const Gauge& g = kGauges[i];
        std::string line = padLeft(formatGeneral(g.circularMils), 6) + " = ";
        if (g.metric.empty())
            line += g.awg;
        else
            line += padRight(g.awg, 4) + " = " + std::string(g.metric);
        lines.push_back(line);
    }
    return lines;
}

// "    1020 = 20     =0.50".
std::vector<std::string> gaugeTableLinesThin()
{
    std::vector<std::string> lines{"     Cmil - AWG - mm2"};
    for (std::size_t i = kFirstThinRow; i < GaugeCount; ++i) {
        const Gauge& g = kGauges[i];
        std::string line = padLeft(formatGeneral(g.circularMils), 8) + " = ";
        if (g.metric.empty())
            line += g.awg;
        else
            line += padRight(g.awg, 7) + "=" + std::string(g.metric);
        lines.push_back(line);
    }
    return lines;
}

} // namespace tvx::electrical
