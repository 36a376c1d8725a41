#include "photometric/Photometric.h"

#include "common/NumberText.h"

#include <cmath>
#include <numbers>
#include <optional>

namespace tvx::photometric {

namespace {

using Q = Quantity;
using Op = Operation;

constexpr FormulaInput in(std::string_view caption, Quantity q)
{
    return FormulaInput{caption, q};
}
constexpr FormulaInput none{{}, Q::None};

FormulaRow row1(Q target, std::string_view knowing, std::string_view formula, FormulaInput a, Op op,
                std::string_view result)
{
    return FormulaRow{target, knowing, formula, 1, {a, none, none}, op, result, {}, true};
}
FormulaRow row2(Q target, std::string_view knowing, std::string_view formula, FormulaInput a, FormulaInput b, Op op,
                std::string_view result, std::string_view second = {})
{
    return FormulaRow{target, knowing, formula, 2, {a, b, none}, op, result, second, true};
}

std::vector<FormulaRow> buildRows()
{
    std::vector<FormulaRow> r;
    // H: horizontal distance from the subject.
    r.push_back(row2(Q::H, "D and V", "H = SQRT( (D * D) - (V * V) )", in("D:", Q::D), in("V:", Q::V),
                     Op::RootOfDifference, "H="));
    r.push_back(row2(Q::H, "C and V", "H = V / TAN(C)", in("V:", Q::V), in("C:", Q::C), Op::OverTan, "H="));
    r.push_back(row2(Q::H, "D and C", "H = D * COS(C)", in("D:", Q::D), in("C:", Q::C), Op::TimesCos, "H="));
    r.push_back(row2(Q::H, "D and K", "H = D * SIN(K)", in("D:", Q::D), in("K:", Q::K), Op::TimesSin, "H="));
    r.push_back(row2(Q::H, "K and V", "H = V * TAN(K)", in("V:", Q::V), in("K:", Q::K), Op::TimesTan, "H="));
    // V: vertical distance.
    r.push_back(row2(Q::V, "D and H", "V = SQRT( (D * D) - (H * H) )", in("D:", Q::D), in("H:", Q::H),
                     Op::RootOfDifference, "V="));
    r.push_back(row2(Q::V, "C and H", "V = H * TAN(C)", in("H:", Q::H), in("C:", Q::C), Op::TimesTan, "V="));
    r.push_back(row2(Q::V, "D and C", "V = D * SIN(C)", in("D:", Q::D), in("C:", Q::C), Op::TimesSin, "V="));
    r.push_back(row2(Q::V, "D and K", "V = D * COS(K)", in("D:", Q::D), in("K:", Q::K), Op::TimesCos, "V="));
    r.push_back(row2(Q::V, "K and H", "V = H / TAN(K)", in("H:", Q::H), in("K:", Q::K), Op::OverTan, "V="));
    // D: throw distance.
    r.push_back(row2(Q::D, "X and Mf", "D= X / Mf", in("X:", Q::X), in("Mf:", Q::mF), Op::Quotient, "D="));
    r.push_back(row2(Q::D, "V and H", "D = SQRT( (V * V) + (H * H) )", in("V:", Q::V), in("H:", Q::H),
                     Op::RootOfSum, "D="));
    r.push_back(row2(Q::D, "H and C", "D = H / COS(C)", in("H:", Q::H), in("C:", Q::C), Op::OverCos, "D="));
    r.push_back(row2(Q::D, "C and V", "D = V / SIN(C)", in("V:", Q::V), in("C:", Q::C), Op::OverSin, "D="));
    r.push_back(row2(Q::D, "H and K", "D = H / SIN(K)", in("H:", Q::H), in("K:", Q::K), Op::OverSin, "D="));
    r.push_back(row2(Q::D, "K and V", "D = V / COS(K)", in("V:", Q::V), in("K:", Q::K), Op::OverCos, "D="));
    r.push_back(row2(Q::D, "Cd and Fc", "D = SQRT(Cd / Fc)", in("Cd:", Q::Cd), in("Fc:", Q::Fc),
                     Op::RootOfQuotient, "D="));
    // F: beam or field angle.
    r.push_back(row1(Q::F, "Mf", "2 * ATAN(Mf / 2)", in("Mf:", Q::mF), Op::TwiceAtanHalf, "F="));
    r.push_back(row2(Q::F, "D and X", "2 * ATAN(X / (2 * D) )", in("X:", Q::X), in("D:", Q::D),
                     Op::TwiceAtanOverTwice, "F="));
    // C: focus angle off the horizontal.
    r.push_back(row2(Q::C, "H and V", "C = ATAN(V / H)", in("V:", Q::V), in("H:", Q::H), Op::Atan, "C="));
    r.push_back(row2(Q::C, "D and V", "C = ASIN(V / D)", in("V:", Q::V), in("D:", Q::D), Op::Asin, "C="));
    r.push_back(row2(Q::C, "D and H", "C = 90 - ASIN(H / D)", in("H:", Q::H), in("D:", Q::D),
                     Op::RightMinusAsin, "C="));
    r.push_back(row1(Q::C, "K", "C = 90 - K", in("K:", Q::K), Op::RightMinus, "C="));
    // K: focus angle off the vertical.
    r.push_back(row2(Q::K, "H and V", "K = ATAN(H / V)", in("H:", Q::H), in("V:", Q::V), Op::Atan, "K="));
    r.push_back(row2(Q::K, "D and V", "K = 90 - ASIN(V / D)", in("D:", Q::D), in("V:", Q::V),
                     Op::RightMinusAsinBA, "K="));
    r.push_back(row2(Q::K, "D and H", "K = ASIN(H / D))", in("H:", Q::H), in("D:", Q::D), Op::Asin, "K="));
    r.push_back(row1(Q::K, "C", "K = 90 - C", in("C:", Q::C), Op::RightMinus, "K="));
    // X: beam width at the throw distance.
    r.push_back(row2(Q::X, "D and F", "X = D * (2 * TAN(F / 2))", in("D:", Q::D), in("F:", Q::F),
                     Op::TimesTwiceTanHalf, "X="));
    r.push_back(row2(Q::X, "D and Mf", "X = D * Mf", in("D:", Q::D), in("Mf:", Q::mF), Op::Product, "X="));
    // Y: length of the beam's oval on the floor.
    r.push_back(FormulaRow{Q::Y, "V, F and K", "Y = V * ( TAN(K + F/2) - TAN(K - F/2) )", 3,
                           {in("V:", Q::V), in("F:", Q::F), in("K", Q::K)}, Op::OvalLength, "Y=", {}, true});
    // Fc: light level, with lux as a second result.
    r.push_back(row2(Q::Fc, "D (feet) and Cd", "Fc = Cd / (D * D)", in("D(feet):", Q::D), in("Cd:", Q::Cd),
                     Op::FeetCandela, "Fc=", "Lux="));
    r.push_back(row2(Q::Fc, "D (meter) and Cd", "Fc = Cd / (D * D)", in("D(meter):", Q::D), in("Cd:", Q::Cd),
                     Op::MetreCandela, "Fc=", "Lux="));
    FormulaRow lux = row1(Q::Fc, "Lux", "lux / 10.8", in("Lux:", Q::None), Op::LuxToFootcandles, "Fc=");
    lux.remembers = false;
    r.push_back(lux);
    FormulaRow footcandles =
        row1(Q::Fc, "Footcandles", "footcandles * 10.8", in("Fc:", Q::None), Op::FootcandlesToLux, "Lux=");
    footcandles.remembers = false;
    r.push_back(footcandles);
    // Cd: candlepower.
    r.push_back(row2(Q::Cd, "D (feet) and Fc", "Cd = Fc * (D * D) \"D in feet\"", in("D(feet):", Q::D),
                     in("Fc:", Q::Fc), Op::CandelaFeet, "Cd="));
    r.push_back(row2(Q::Cd, "D (meter) and Fc", "Cd = Fc * (D * D) \"D in meter\"", in("D(meter):", Q::D),
                     in("Fc:", Q::Fc), Op::CandelaMetres, "Cd="));
    // mF: magnification factor.
    r.push_back(row1(Q::mF, "F", "Mf = 2 * TAN(F / 2)", in("F:", Q::F), Op::TwiceTanHalf, "Mf="));
    r.push_back(row2(Q::mF, "X and D", "Mf = X / D", in("X:", Q::X), in("D:", Q::D), Op::Quotient, "Mf="));
    return r;
}

// An arithmetic step that cannot be completed.
struct Fault {};

double finite(double v)
{
    if (!std::isfinite(v))
        throw Fault{};
    return v;
}
double divide(double a, double b)
{
    if (b == 0.0)
        throw Fault{};
    return finite(a / b);
}
double root(double v)
{
    if (!(finite(v) >= 0.0))
        throw Fault{};
    return std::sqrt(v);
}
double square(double v)
{
    return finite(v * v);
}
double radians(double degrees)
{
    return finite(degrees * (std::numbers::pi / 180.0));
}
double degrees(double radians)
{
    return finite(radians * (180.0 / std::numbers::pi));
}
double tanDeg(double d)
{
    return finite(std::tan(radians(d)));
}
double sinDeg(double d)
{
    return finite(std::sin(radians(d)));
}
double cosDeg(double d)
{
    return finite(std::cos(radians(d)));
}
double atanDeg(double x)
{
    return degrees(std::atan(x));
}
double asinRad(double x)
{
    if (!(x >= -1.0 && x <= 1.0))
        throw Fault{};
    return std::asin(x);
}

double compute(Operation op, double a, double b, double c)
{
    switch (op) {
    case Op::RootOfDifference: return root(finite(square(a) - square(b)));
    case Op::RootOfSum: return root(finite(square(a) + square(b)));
    case Op::OverTan: return divide(a, tanDeg(b));
    case Op::TimesTan: return finite(a * tanDeg(b));
    case Op::TimesCos: return finite(a * cosDeg(b));
    case Op::TimesSin: return finite(a * sinDeg(b));
    case Op::OverCos: return divide(a, cosDeg(b));
    case Op::OverSin: return divide(a, sinDeg(b));
    case Op::Quotient: return divide(a, b);
    case Op::Product: return finite(a * b);
    case Op::RootOfQuotient: return root(divide(a, b));
    case Op::TwiceAtanHalf: return finite(2.0 * atanDeg(divide(a, 2.0)));
    case Op::TwiceAtanOverTwice: return finite(2.0 * atanDeg(divide(a, finite(2.0 * b))));
    case Op::Atan: return atanDeg(divide(a, b));
    case Op::Asin: return degrees(asinRad(divide(a, b)));
    case Op::RightMinusAsin: return degrees(std::numbers::pi / 2.0 - asinRad(divide(a, b)));
    case Op::RightMinusAsinBA: return degrees(std::numbers::pi / 2.0 - asinRad(divide(b, a)));
    case Op::RightMinus: return finite(90.0 - a);
    case Op::TimesTwiceTanHalf: return finite(a * 2.0 * tanDeg(finite(b / 2.0)));
    case Op::OvalLength: return finite(a * finite(tanDeg(finite(c + b / 2.0)) - tanDeg(finite(c - b / 2.0))));
    case Op::FeetCandela: return divide(b, square(a));
    case Op::MetreCandela: return divide(b, square(finite(FeetPerMetre * a)));
    case Op::LuxToFootcandles: return divide(a, LuxPerFootcandle);
    case Op::FootcandlesToLux: return finite(a * LuxPerFootcandle);
    case Op::CandelaFeet: return finite(b * square(a));
    case Op::CandelaMetres: return finite(b * square(finite(FeetPerMetre * a)));
    case Op::TwiceTanHalf: return finite(2.0 * tanDeg(finite(a / 2.0)));
    }
    throw Fault{};
}

void rememberInputs(const FormulaRow& row, const std::array<double, 3>& in, Values& values)
{
    for (std::size_t i = 0; i < row.inputCount; ++i)
        if (row.inputs[i].quantity != Q::None)
            values[std::size_t(row.inputs[i].quantity)] = in[i];
}

} // namespace

const std::array<QuantityInfo, QuantityCount>& quantities()
{
    static const std::array<QuantityInfo, QuantityCount> list{{
        {"H", "H:  Horizontal distance from subject"},
        {"V", "V:  Vertical distance from subject"},
        {"D", "D:  Throw Distance in direct line"},
        {"F", "F:  Beam or Field Angle"},
        {"C", "C:  Focus Angle Off Horizontal"},
        {"K", "K:  Focus Angle Off Vertical"},
        {"X", "X:  Beam Oval Width"},
        {"Y", "Y:  Beam Oval Length"},
        {"Fc", "Fc:  FootCandle  or Lx: Lux "},
        {"Cd", "Cd:  Candlepower"},
        {"mF", "mF:  Magnification factor"},
    }};
    return list;
}

const std::vector<FormulaRow>& formulaRows()
{
    static const std::vector<FormulaRow> rows = buildRows();
    return rows;
}

std::size_t validTarget(long long target)
{
    return target >= 0 && target < static_cast<long long>(QuantityCount) ? std::size_t(target) : 0;
}

std::vector<const FormulaRow*> rowsOf(std::size_t target)
{
    target = validTarget(static_cast<long long>(target));
    std::vector<const FormulaRow*> rows;
    for (const FormulaRow& r : formulaRows())
        if (std::size_t(r.target) == target)
            rows.push_back(&r);
    return rows;
}

std::size_t validChoice(std::size_t target, long long choice)
{
    const std::size_t count = rowsOf(target).size();
    return choice >= 0 && static_cast<unsigned long long>(choice) < count ? std::size_t(choice) : 0;
}

const FormulaRow& formulaRow(std::size_t target, std::size_t choice)
{
    const std::vector<const FormulaRow*> rows = rowsOf(target);
    return *rows[validChoice(target, static_cast<long long>(choice))];
}

std::vector<std::string> knowingItems(std::size_t target)
{
    std::vector<std::string> items;
    for (const FormulaRow* r : rowsOf(target))
        items.emplace_back(r->knowing);
    return items;
}

Values validValues(const std::vector<double>& stored)
{
    Values values{};
    for (std::size_t i = 0; i < QuantityCount && i < stored.size(); ++i)
        values[i] = std::isfinite(stored[i]) ? stored[i] : 0.0;
    return values;
}

Evaluation evaluate(std::size_t target, std::size_t choice, double a, double b, double c, const Values& remembered)
{
    const FormulaRow& row = formulaRow(target, choice);
    const std::array<double, 3> in{a, b, c};
    Evaluation e;
    e.values = remembered;
    try {
        for (std::size_t i = 0; i < row.inputCount; ++i)
            finite(in[i]);
        if (row.operation == Op::RootOfQuotient && divide(a, b) == 0.0) {
            // A zero quotient gives no throw distance, but Cd and Fc were
            // entered all the same.
            rememberInputs(row, in, e.values);
            return e;
        }
        e.resultA = compute(row.operation, a, b, c);
        if (row.hasSecondResult())
            e.resultB = finite(e.resultA * LuxPerFootcandle);
    } catch (const Fault&) {
        e.resultA = 0;
        e.resultB = 0;
        return e;
    }
    e.ok = true;
    if (row.remembers) {
        rememberInputs(row, in, e.values);
        e.values[std::size_t(row.target)] = e.resultA;
    }
    return e;
}

std::string inputText(double value, std::string_view decimalSeparator)
{
    return std::isfinite(value) ? formatGeneral(value, 15, 0, decimalSeparator) : std::string("0");
}

std::string resultText(double value, std::string_view decimalSeparator)
{
    return formatMask(value, "0.##", decimalSeparator, "");
}

Calculation PhotoMetricCalculation(std::size_t target, std::size_t choice, const std::array<std::string, 3>& inputs,
                                   const Values& remembered, std::string_view decimalSeparator)
{
    const FormulaRow& row = formulaRow(target, choice);
    std::array<double, 3> numbers{};
    Calculation result;
    result.values = remembered;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::optional<double> n = parseFloat(inputs[i], decimalSeparator);
        if (n)
            numbers[i] = *n;
        else if (i < row.inputCount)
            return result; // an input the row needs does not read
    }
    const Evaluation e = evaluate(target, choice, numbers[0], numbers[1], numbers[2], remembered);
    result.values = e.values;
    if (!e.ok)
        return result;
    result.ok = true;
    result.resultA = resultText(e.resultA, decimalSeparator);
    result.negativeA = e.resultA < 0 && result.resultA != "0";
    if (row.hasSecondResult())
        result.resultB = resultText(e.resultB, decimalSeparator);
    return result;
}

} // namespace tvx::photometric
