#include "electrical/PhaseLoad.h"

#include "common/Cp1252.h"
#include "common/NumberText.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace tvx::electrical {

namespace {

constexpr double kSqrt3 = std::numbers::sqrt3;

// A field read as a number: empty or not a number reads as 0.
double fieldValue(std::string_view text, std::string_view sep)
{
    const auto v = parseFloat(text, sep);
    return v && std::isfinite(*v) ? *v : 0.0;
}

// Arithmetic faults (zero divisor, overflow, NaN) set a value to 0; every
// value is computed on its own so one fault does not stop the others.
double checked(double v)
{
    return std::isfinite(v) ? v : 0.0;
}

double quotient(double numerator, double divisor)
{
    return divisor == 0.0 ? 0.0 : checked(numerator / divisor);
}

Shown shown(double v, std::string_view sep)
{
    return Shown{v, displayValue(v, sep)};
}

// A share of `divisor`, in percent; not available when the divisor is zero.
Share share(double numerator, double divisor, std::string_view sep)
{
    Share s;
    if (divisor == 0.0 || !std::isfinite(divisor)) {
        s.text = std::string(kNotAvailable);
        return s;
    }
    s.percent = checked(numerator * 100.0 / divisor);
    s.available = true;
    s.level = classifyShare(s.percent);
    s.text = displayValue(s.percent, sep) + "%";
    return s;
}

// Free share of the capacity: shows 100 - used, coloured by the used share.
Share freeShare(double total, double capacity, std::string_view sep)
{
    Share s = share(total, capacity, sep);
    if (s.available)
        s.text = displayValue(checked(100.0 - s.percent), sep) + "%";
    return s;
}

// Magnitude of the difference of two branch phasors 120 degrees apart.
double deltaPart(double own, double previous, double c, double s)
{
    const double re = own - c * previous;
    const double im = -s * previous;
    if (im == 0.0)
        return own;
    return checked(std::sqrt(re * re + im * im));
}

int deviceCount(std::string_view text)
{
    const auto n = parseInt(text);
    return n && *n > 0 ? *n : 0;
}

std::optional<long long> selectedVoltage(std::string_view text)
{
    const auto v = parseInt(text);
    if (!v)
        return std::nullopt;
    return *v;
}

bool matches(std::optional<long long> selected, double voltage)
{
    const double rounded = bankersRound(voltage);
    return selected && std::isfinite(rounded) && static_cast<double>(*selected) == rounded;
}

std::string kvaText(double watts, std::string_view sep)
{
    return inputText(checked(watts / 1000.0), sep);
}

// ---- warning files ----------------------------------------------------------

bool isUtf8(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t extra = 0;
        if (c < 0x80)
            extra = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            extra = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            extra = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            extra = 3;
        else
            return false;
        if (i + extra >= s.size() && extra > 0)
            return false;
        for (std::size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += extra + 1;
    }
    return true;
}

void appendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isAsciiDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Groups whose content is formatting data, not text.
bool isDestinationToSkip(std::string_view word)
{
    static constexpr std::string_view skipped[] = {
        "fonttbl", "colortbl", "stylesheet", "info", "pict", "object", "header", "footer",
        "headerl", "headerr", "headerf", "footerl", "footerr", "footerf", "listtable",
        "listoverridetable", "rsidtbl", "generator", "xmlnstbl", "themedata", "colorschememapping",
        "latentstyles", "datastore", "revtbl", "filetbl", "fldinst", "pn", "pntext"};
    for (std::string_view s : skipped)
        if (word == s)
            return true;
    return false;
}

// Text of an RTF document: control words, skipped groups and line breaks of
// the source go; \par and \line become line breaks, \tab a tab, escaped and
// hex characters their character (hex ones read as Windows-1252).
std::string rtfText(std::string_view rtf)
{
    struct Group {
        bool skip = false;
        int unicodeSkip = 1;
    };
    std::vector<Group> groups{Group{}};
    std::string out;
    int pendingSkip = 0; // characters to drop after a \u

    auto emitByte = [&](unsigned char b) {
        if (groups.back().skip)
            return;
        if (pendingSkip > 0) {
            --pendingSkip;
            return;
        }
        if (b < 0x80)
            out += static_cast<char>(b);
        else
            out += cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(&b), 1));
    };
    auto emitText = [&](std::string_view utf8) {
        if (!groups.back().skip)
            out += utf8;
    };

    std::size_t i = 0;
    while (i < rtf.size()) {
        const char c = rtf[i];
        if (c == '{') {
            groups.push_back(groups.back());
            pendingSkip = 0;
            ++i;
        } else if (c == '}') {
            if (groups.size() > 1)
                groups.pop_back();
            pendingSkip = 0;
            ++i;
        } else if (c == '\r' || c == '\n') {
            ++i;
        } else if (c != '\\') {
            emitByte(static_cast<unsigned char>(c));
            ++i;
        } else if (i + 1 >= rtf.size()) {
            ++i;
        } else {
            const char n = rtf[i + 1];
            if (n == '\\' || n == '{' || n == '}') {
                emitByte(static_cast<unsigned char>(n));
                i += 2;
            } else if (n == '\'') {
                const int hi = i + 2 < rtf.size() ? hexValue(rtf[i + 2]) : -1;
                const int lo = i + 3 < rtf.size() ? hexValue(rtf[i + 3]) : -1;
                if (hi >= 0 && lo >= 0) {
                    emitByte(static_cast<unsigned char>(hi * 16 + lo));
                    i += 4;
                } else {
                    i += 2;
                }
            } else if (n == '*') {
                groups.back().skip = true;
                i += 2;
            } else if (n == '~') {
                emitText("\xC2\xA0");
                i += 2;
            } else if (n == '_') {
                emitText("-");
                i += 2;
            } else if (n == '\r' || n == '\n') {
                emitText("\n"); // an escaped line break is a paragraph
                i += 2;
            } else if (isAsciiLetter(n)) {
                std::size_t j = i + 1;
                while (j < rtf.size() && isAsciiLetter(rtf[j]))
                    ++j;
                const std::string_view word = rtf.substr(i + 1, j - i - 1);
                bool hasParam = false;
                long long param = 0;
                bool negative = false;
                if (j < rtf.size() && rtf[j] == '-') {
                    negative = true;
                    ++j;
                }
                while (j < rtf.size() && isAsciiDigit(rtf[j])) {
                    hasParam = true;
                    if (param < 10'000'000)
                        param = param * 10 + (rtf[j] - '0');
                    ++j;
                }
                if (negative)
                    param = -param;
                if (j < rtf.size() && rtf[j] == ' ')
                    ++j; // the delimiting blank belongs to the control word
                i = j;

                if (word == "par" || word == "line") {
                    emitText("\n");
                } else if (word == "tab") {
                    emitText("\t");
                } else if (word == "uc" && hasParam) {
                    groups.back().unicodeSkip = static_cast<int>(param < 0 ? 0 : param);
                } else if (word == "u" && hasParam) {
                    if (!groups.back().skip) {
                        const long long cp = param < 0 ? param + 65536 : param;
                        appendUtf8(out, static_cast<std::uint32_t>(cp >= 0 && cp < 0x110000 ? cp : 0xFFFD));
                    }
                    pendingSkip = groups.back().unicodeSkip;
                } else if (word == "emdash") {
                    emitText("\xE2\x80\x94");
                } else if (word == "endash") {
                    emitText("\xE2\x80\x93");
                } else if (word == "bullet") {
                    emitText("\xE2\x80\xA2");
                } else if (word == "lquote") {
                    emitText("\xE2\x80\x98");
                } else if (word == "rquote") {
                    emitText("\xE2\x80\x99");
                } else if (word == "ldblquote") {
                    emitText("\xE2\x80\x9C");
                } else if (word == "rdblquote") {
                    emitText("\xE2\x80\x9D");
                } else if (isDestinationToSkip(word)) {
                    groups.back().skip = true;
                }
            } else {
                i += 2; // other control symbols carry no text
            }
        }
    }
    return out;
}

std::string normalizedLineBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string withoutTrailingBreaks(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ' || text.back() == '\t'))
        text.pop_back();
    return text;
}

} // namespace

ShareLevel classifyShare(double percent)
{
    if (percent < 80.0)
        return ShareLevel::Low;
    if (percent < 99.0)
        return ShareLevel::High;
    return ShareLevel::Over;
}

std::string displayValue(double value, std::string_view decimalSeparator)
{
    return formatFixed(checked(value), 3, 1, decimalSeparator);
}

std::string inputText(double value, std::string_view decimalSeparator)
{
    return formatGeneral(checked(value), 15, 0, decimalSeparator);
}

SinglePhaseResult calculateSinglePhase(const SinglePhaseInput& in)
{
    const std::string_view sep = in.decimalSeparator;
    SinglePhaseResult r;
    const auto parsed = parseFloat(in.voltage, sep);
    const double v = parsed && std::isfinite(*parsed) ? *parsed : in.previousVoltage;
    const double imax = fieldValue(in.maxAmps, sep);
    const double sxn = fieldValue(in.loadXN, sep);
    const double syn = fieldValue(in.loadYN, sep);
    const double sxy = fieldValue(in.loadXY, sep);

    r.voltage = v;
    const double vpn = checked(v / 2.0);
    const double smax = checked(v * imax / 1000.0);
    const double total = checked(sxn + syn + sxy);
    const double ixn = quotient(sxn * 1000.0, vpn);
    const double iyn = quotient(syn * 1000.0, vpn);
    const double ixy = quotient(sxy * 1000.0, v);
    const double ix = checked(ixn + ixy);
    const double iy = checked(iyn + ixy);
    const double in_ = checked(std::fabs(iyn - ixn));

    r.voltageNeutral = shown(vpn, sep);
    r.maxKva = shown(smax, sep);
    r.totalKva = shown(total, sep);
    r.ampsXN = shown(ixn, sep);
    r.ampsYN = shown(iyn, sep);
    r.ampsXY = shown(ixy, sep);
    r.ampsX = shown(ix, sep);
    r.ampsY = shown(iy, sep);
    r.ampsN = shown(in_, sep);
    r.percentX = share(ix, imax, sep);
    r.percentY = share(iy, imax, sep);
    r.percentN = share(in_, imax, sep);
    r.percentAvailableKva = freeShare(total, smax, sep);
    return r;
}

ThreePhaseResult calculateThreePhase(const ThreePhaseInput& in)
{
    const std::string_view sep = in.decimalSeparator;
    ThreePhaseResult r;
    const auto parsed = parseFloat(in.voltage, sep);
    const double v = parsed && std::isfinite(*parsed) ? *parsed : kDefaultThreePhaseVoltage;
    const double imax = fieldValue(in.maxAmps, sep);
    const double sxy = fieldValue(in.loadXY, sep);
    const double syz = fieldValue(in.loadYZ, sep);
    const double szx = fieldValue(in.loadZX, sep);
    const double sxn = fieldValue(in.loadXN, sep);
    const double syn = fieldValue(in.loadYN, sep);
    const double szn = fieldValue(in.loadZN, sep);

    r.voltage = v;
    const double vpn = checked(v / kSqrt3);
    const double angle = 120.0 * std::numbers::pi / 180.0;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double smax = checked(v * imax * kSqrt3 / 1000.0);
    const double total = checked((sxy + syz + szx) + (sxn + syn + szn));

    const double ixy = quotient(sxy * 1000.0, v);
    const double iyz = quotient(syz * 1000.0, v);
    const double izx = quotient(szx * 1000.0, v);
    const double ixn = quotient(sxn * 1000.0, vpn);
    const double iyn = quotient(syn * 1000.0, vpn);
    const double izn = quotient(szn * 1000.0, vpn);

    // Each line carries the difference of its two delta branches plus its
    // phase-neutral branch (added arithmetically, the worst case).
    const double ix = checked(deltaPart(ixy, izx, c, s) + ixn);
    const double iy = checked(deltaPart(iyz, ixy, c, s) + iyn);
    const double iz = checked(deltaPart(izx, iyz, c, s) + izn);

    // Only the phase-neutral branches load the neutral: their phasor sum.
    const double sixth = std::numbers::pi / 6.0;
    const double a = ixn + iyn * std::cos(4.0 * sixth) + izn * std::cos(8.0 * sixth);
    const double b = iyn * std::sin(4.0 * sixth) + izn * std::sin(8.0 * sixth);
    const double ineutral = checked(std::sqrt(a * a + b * b));

    r.voltageNeutral = shown(vpn, sep);
    r.maxKva = shown(smax, sep);
    r.totalKva = shown(total, sep);
    r.ampsXY = shown(ixy, sep);
    r.ampsYZ = shown(iyz, sep);
    r.ampsZX = shown(izx, sep);
    r.ampsXN = shown(ixn, sep);
    r.ampsYN = shown(iyn, sep);
    r.ampsZN = shown(izn, sep);
    r.ampsX = shown(ix, sep);
    r.ampsY = shown(iy, sep);
    r.ampsZ = shown(iz, sep);
    r.ampsN = shown(ineutral, sep);
    r.percentX = share(ix, imax, sep);
    r.percentY = share(iy, imax, sep);
    r.percentZ = share(iz, imax, sep);
    r.percentN = share(ineutral, imax, sep);
    r.percentAvailableKva = freeShare(total, smax, sep);
    return r;
}

Shown singlePhaseMaxAmps(std::string_view capacityKva, double voltage, std::string_view decimalSeparator)
{
    const double kva = fieldValue(capacityKva, decimalSeparator);
    const double amps = quotient(kva * 1000.0, voltage);
    return Shown{amps, inputText(amps, decimalSeparator)};
}

Shown threePhaseMaxAmps(std::string_view capacityKva, double voltage, std::string_view decimalSeparator)
{
    const double kva = fieldValue(capacityKva, decimalSeparator);
    const double amps = quotient(kva * 1000.0, checked(voltage * kSqrt3));
    return Shown{amps, inputText(amps, decimalSeparator)};
}

std::array<std::string, 2> workingVoltageItems(double voltage, double voltageNeutral)
{
    return {formatFixed(checked(bankersRound(voltage)), 18, 0), formatFixed(checked(bankersRound(voltageNeutral)), 18, 0)};
}

SinglePhaseApply applySinglePhase(const ApplyInput& in)
{
    SinglePhaseApply out;
    if (in.selectedVoltage.empty()) {
        out.needsSelection = true;
        return out;
    }
    const std::string_view sep = in.decimalSeparator;
    const double n = deviceCount(in.deviceCount);
    const double w = fieldValue(in.wattsPerDevice, sep);
    const auto selected = selectedVoltage(in.selectedVoltage);
    if (matches(selected, in.voltage))
        out.loadXY = kvaText(n * w, sep);
    if (matches(selected, in.voltageNeutral)) {
        const int count = deviceCount(in.deviceCount);
        const double half = count / 2;
        const double odd = count % 2;
        out.loadXN = kvaText(half * w + odd * w, sep);
        out.loadYN = kvaText(half * w, sep);
    }
    return out;
}

ThreePhaseApply applyThreePhase(const ApplyInput& in)
{
    ThreePhaseApply out;
    if (in.selectedVoltage.empty()) {
        out.needsSelection = true;
        return out;
    }
    const std::string_view sep = in.decimalSeparator;
    const int count = deviceCount(in.deviceCount);
    const double w = fieldValue(in.wattsPerDevice, sep);
    const double q = count / 3;
    const int r = count % 3;
    const double first = q * w + (r >= 1 ? w : 0.0);
    const double second = q * w + (r == 2 ? w : 0.0);
    const double third = q * w;
    const auto selected = selectedVoltage(in.selectedVoltage);
    if (matches(selected, in.voltage)) {
        out.loadXY = kvaText(first, sep);
        out.loadYZ = kvaText(second, sep);
        out.loadZX = kvaText(third, sep);
    }
    if (matches(selected, in.voltageNeutral)) {
        out.loadXN = kvaText(first, sep);
        out.loadYN = kvaText(second, sep);
        out.loadZN = kvaText(third, sep);
    }
    return out;
}

std::string warningFileText(std::string_view bytes)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3); // UTF-8 byte order mark
    if (bytes.substr(0, 5) == "{\\rtf")
        return withoutTrailingBreaks(normalizedLineBreaks(rtfText(bytes)));
    const std::string text = isUtf8(bytes) ? std::string(bytes) : cp1252ToUtf8(bytes);
    return withoutTrailingBreaks(normalizedLineBreaks(text));
}

} // namespace tvx::electrical
