#include "common/NumberText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>
#include <vector>

namespace tvx {

namespace {

// Number of decimals used when only the precision limits the digits.
constexpr int kAnyDecimals = 100000;
constexpr int kMaxPrecision = 18;
constexpr int kMaxExponentDigits = 4;

using DigitString = std::array<char, kMaxPrecision>;

// |v| written as 0.d[0] d[1] ... d[n-1] x 10^exp10 after rounding.
// n == 0 means the value rounded to zero. Trailing zeros are stripped.
struct Digits {
    DigitString d{};
    int n = 0;
    int exp10 = 0;

    char at(int i) const { return i >= 0 && i < n ? d[static_cast<std::size_t>(i)] : '0'; }
};

// The 18 significant digits through the standard library (locale-free and
// correctly rounded, ties to even). Returns E with a = 0.d1d2... x 10^E.
int eighteenDigitsSlow(double a, DigitString& all)
{
    char buf[40];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, kMaxPrecision - 1);
    // Layout: "d.ddddddddddddddddde[+-]xx[x]"
    all[0] = buf[0];
    std::memcpy(all.data() + 1, buf + 2, kMaxPrecision - 1);
    const char* p = buf + kMaxPrecision + 2; // exponent sign
    const bool negExp = *p == '-';
    int x = 0;
    for (++p; p < res.ptr; ++p)
        x = x * 10 + (*p - '0');
    return (negExp ? -x : x) + 1;
}

#if defined(__SIZEOF_INT128__)
#define TVX_NUMBERTEXT_FAST_DIGITS 1
__extension__ typedef unsigned __int128 U128;

constexpr std::uint64_t kE17 = 100000000000000000ULL;
constexpr std::uint64_t kE18 = 1000000000000000000ULL;

constexpr char kDigitPairs[] = "0001020304050607080910111213141516171819"
                               "2021222324252627282930313233343536373839"
                               "4041424344454647484950515253545556575859"
                               "6061626364656667686970717273747576777879"
                               "8081828384858687888990919293949596979899";

constexpr std::array<U128, 23> kPow10 = [] {
    std::array<U128, 23> t{};
    U128 v = 1;
    for (auto& x : t) {
        x = v;
        v *= 10;
    }
    return t;
}();

// Same digits as eighteenDigitsSlow, computed exactly with 128-bit integers for
// 1e-5 <= a < 1e18, the range of nearly every value written to table files
// (to_chars with a precision is the slowest part of writing them). Returns
// false when it cannot handle the value.
bool eighteenDigitsFast(double a, DigitString& all, int& exp10)
{
    if (!(a >= 1e-5 && a < 1e18))
        return false;
    const auto bits = std::bit_cast<std::uint64_t>(a);
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int q = static_cast<int>(bits >> 52) - 1075; // a = m * 2^q
    // floor(log10(2^(q+52))), possibly one off; corrected below.
    int s = 17 - (((q + 52) * 1233) >> 12);
    for (int attempt = 0; attempt < 4; ++attempt) {
        if (s < 0 || s > 22)
            return false;
        // n = floor(a * 10^s); half: remainder below (-1), at (0) or above (1) one half.
        const U128 num = U128{m} * kPow10[static_cast<std::size_t>(s)];
        U128 n = 0;
        int half = -1;
        if (q >= 0) {
            if ((num >> (127 - q)) != 0)
                return false;
            n = num << q;
        } else {
            const int shift = -q;
            if (shift >= 127)
                return false;
            n = num >> shift;
            const U128 rest = num - (n << shift);
            const U128 halfUnit = U128{1} << (shift - 1);
            half = rest < halfUnit ? -1 : (rest == halfUnit ? 0 : 1);
        }
        if (n >= kE18) {
            --s;
            continue;
        }
        if (n < kE17) {
            ++s;
            continue;
        }
        auto d = static_cast<std::uint64_t>(n);
        if (half > 0 || (half == 0 && (d & 1) != 0))
            ++d;
        exp10 = 18 - s;
        if (d == kE18) {
            d = kE17;
            ++exp10;
        }
        // Two independent 9-digit halves, two digits at a time.
        auto high = static_cast<std::uint32_t>(d / 1000000000U);
        auto low = static_cast<std::uint32_t>(d % 1000000000U);
        for (std::size_t i = 8; i >= 2; i -= 2) {
            std::memcpy(&all[i - 1], &kDigitPairs[(high % 100) * 2], 2);
            std::memcpy(&all[i + 8], &kDigitPairs[(low % 100) * 2], 2);
            high /= 100;
            low /= 100;
        }
        all[0] = static_cast<char>('0' + high);
        all[9] = static_cast<char>('0' + low);
        return true;
    }
    return false;
}
#endif

// Every format starts from the 18-significant-digit decimal string of the value
// (correctly rounded from the binary value) and rounds half up on that string,
// so that 0.125 gives 0.13 while 2.675 (stored just below) gives 2.67.
// The cut is at min(exp10 + decimals, precision) digits.
Digits roundDigits(double absValue, int decimals, int precision)
{
    Digits r;
    if (!(absValue > 0.0))
        return r;

    DigitString all{};
    int e = 0;
#ifdef TVX_NUMBERTEXT_FAST_DIGITS
    if (!eighteenDigitsFast(absValue, all, e))
#endif
        e = eighteenDigitsSlow(absValue, all);

    const int k = std::min(e + decimals, precision);
    if (k < 0)
        return r;
    const bool up = k < kMaxPrecision && all[static_cast<std::size_t>(k)] >= '5';
    if (k == 0) {
        if (up) {
            r.d[0] = '1';
            r.n = 1;
            r.exp10 = e + 1;
        }
        return r;
    }

    std::memcpy(r.d.data(), all.data(), static_cast<std::size_t>(k));
    int n = k;
    if (up) {
        int i = k - 1;
        while (i >= 0 && r.d[static_cast<std::size_t>(i)] == '9') {
            r.d[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            r.d[0] = '1';
            n = 1;
            ++e;
        } else {
            ++r.d[static_cast<std::size_t>(i)];
        }
    }
    while (n > 0 && r.d[static_cast<std::size_t>(n - 1)] == '0')
        --n;
    r.n = n;
    r.exp10 = n > 0 ? e : 0;
    return r;
}

// Small fixed-size writer for the float formats: every result fits in 64 bytes
// when the decimal separator is written as a single '.', which is replaced by
// the caller's separator when the std::string is built.
class ShortText {
public:
    void put(char c) { buf_[len_++] = c; }
    void point()
    {
        point_ = len_;
        put('.');
    }
    void exponent(int x, bool alwaysSign, int minDigits)
    {
        if (x < 0)
            put('-');
        else if (alwaysSign)
            put('+');
        const unsigned ax = static_cast<unsigned>(x < 0 ? -x : x);
        char tmp[12];
        int t = 0;
        unsigned v = ax;
        do {
            tmp[t++] = static_cast<char>('0' + v % 10);
            v /= 10;
        } while (v != 0);
        for (int i = t; i < minDigits; ++i)
            put('0');
        while (t > 0)
            put(tmp[--t]);
    }
    std::string finish(std::string_view separator) const
    {
        if (point_ < 0 || separator == ".")
            return std::string(buf_, static_cast<std::size_t>(len_));
        std::string s;
        s.reserve(static_cast<std::size_t>(len_) - 1 + separator.size());
        s.append(buf_, static_cast<std::size_t>(point_));
        s.append(separator);
        s.append(buf_ + point_ + 1, static_cast<std::size_t>(len_ - point_ - 1));
        return s;
    }

private:
    char buf_[64];
    int len_ = 0;
    int point_ = -1;
};

std::string_view effectiveSeparator(std::string_view separator)
{
    return separator.empty() ? std::string_view(".") : separator;
}

void writeExponentForm(ShortText& out, bool negative, const Digits& r, int precision,
                       int expDigits)
{
    if (negative && r.n > 0)
        out.put('-');
    out.put(r.at(0));
    if (precision > 1) {
        out.point();
        for (int i = 1; i < precision; ++i)
            out.put(r.at(i));
    }
    out.put('E');
    out.exponent(r.n > 0 ? r.exp10 - 1 : 0, true, expDigits);
}

void writeGeneral(ShortText& out, bool negative, const Digits& r, int precision, int expDigits)
{
    if (r.n == 0) {
        out.put('0');
        return;
    }
    if (negative)
        out.put('-');
    const int e = r.exp10;
    if (e <= precision && e >= -4) {
        if (e <= 0) {
            out.put('0');
            out.point();
            for (int i = e; i < 0; ++i)
                out.put('0');
            for (int i = 0; i < r.n; ++i)
                out.put(r.at(i));
        } else {
            for (int i = 0; i < e; ++i)
                out.put(r.at(i));
            if (r.n > e) {
                out.point();
                for (int i = e; i < r.n; ++i)
                    out.put(r.at(i));
            }
        }
        return;
    }
    out.put(r.at(0));
    if (r.n > 1) {
        out.point();
        for (int i = 1; i < r.n; ++i)
            out.put(r.at(i));
    }
    out.put('E');
    out.exponent(e - 1, false, expDigits);
}

void writeFixed(ShortText& out, bool negative, const Digits& r, int decimals)
{
    if (negative && r.n > 0)
        out.put('-');
    const int e = r.n > 0 ? r.exp10 : 0;
    if (e <= 0) {
        out.put('0');
    } else {
        for (int i = 0; i < e; ++i)
            out.put(r.at(i));
    }
    if (decimals > 0) {
        out.point();
        for (int i = 0; i < decimals; ++i)
            out.put(r.at(e + i));
    }
}

// ---------------------------------------------------------------------------
// Display masks

struct MaskToken {
    enum class Kind { Literal, IntDigit, FracDigit, Point, Exponent };
    Kind kind = Kind::Literal;
    std::string_view text; // Literal; Exponent: the "E+" / "e-" marker
    int index = 0;         // IntDigit / FracDigit: position within its group
    int expDigits = 0;     // Exponent: number of '0's after the marker
};

struct MaskSection {
    std::vector<MaskToken> tokens;
    int intCount = 0;
    int fracCount = 0;
    int firstRequiredInt = -1;  // index of the first '0' among integer placeholders
    int lastRequiredFrac = -1;  // index of the last '0' among fraction placeholders
    bool grouping = false;
    bool scientific = false;
};

bool isQuote(char c) { return c == '\'' || c == '"'; }

// Splits "positive;negative;zero" at ';' outside quotes; sections after the
// third are ignored.
std::vector<std::string_view> splitSections(std::string_view mask)
{
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    char quote = 0;
    for (std::size_t i = 0; i < mask.size() && sections.size() < 3; ++i) {
        const char c = mask[i];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
        } else if (isQuote(c)) {
            quote = c;
        } else if (c == ';') {
            sections.push_back(mask.substr(start, i - start));
            start = i + 1;
        }
    }
    if (sections.size() < 3)
        sections.push_back(mask.substr(start));
    return sections;
}

MaskSection parseSection(std::string_view text)
{
    MaskSection s;
    bool afterPoint = false;
    bool afterExponent = false;
    auto literal = [&s](std::string_view t) {
        if (!t.empty())
            s.tokens.push_back({MaskToken::Kind::Literal, t, 0, 0});
    };
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (isQuote(c)) {
            const std::size_t close = text.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? text.size() : close;
            literal(text.substr(i + 1, end - i - 1));
            i = end == text.size() ? end : end + 1;
            continue;
        }
        if ((c == '0' || c == '#') && !afterExponent) {
            const bool required = c == '0';
            if (afterPoint) {
                if (required)
                    s.lastRequiredFrac = s.fracCount;
                s.tokens.push_back({MaskToken::Kind::FracDigit, {}, s.fracCount++, 0});
            } else {
                if (required && s.firstRequiredInt < 0)
                    s.firstRequiredInt = s.intCount;
                s.tokens.push_back({MaskToken::Kind::IntDigit, {}, s.intCount++, 0});
            }
            ++i;
            continue;
        }
        if (c == '.' && !afterPoint && !afterExponent) {
            afterPoint = true;
            s.tokens.push_back({MaskToken::Kind::Point, {}, 0, 0});
            ++i;
            continue;
        }
        if (c == ',') {
            s.grouping = true;
            ++i;
            continue;
        }
        if ((c == 'E' || c == 'e') && !s.scientific && i + 2 < text.size()
            && (text[i + 1] == '+' || text[i + 1] == '-') && text[i + 2] == '0') {
            std::size_t j = i + 2;
            while (j < text.size() && text[j] == '0')
                ++j;
            s.scientific = true;
            afterExponent = true;
            s.tokens.push_back({MaskToken::Kind::Exponent, text.substr(i, 2), 0,
                                static_cast<int>(j - i - 2)});
            i = j;
            continue;
        }
        literal(text.substr(i, 1));
        ++i;
    }
    return s;
}

// The integer and fraction digits a section prints, plus the exponent of a
// scientific section.
struct MaskNumber {
    std::string intDigits;  // no leading zeros; empty when the integer part is 0
    std::string fracDigits; // no trailing zeros
    int exponent = 0;
    bool zero = true;
};

MaskNumber roundForMask(const MaskSection& s, double absValue)
{
    MaskNumber m;
    if (s.scientific) {
        const int precision = std::clamp(s.intCount + s.fracCount, 1, kMaxPrecision);
        const Digits r = roundDigits(absValue, kAnyDecimals, precision);
        if (r.n == 0)
            return m;
        m.zero = false;
        // The integer placeholders take that many leading digits of the value.
        for (int i = 0; i < s.intCount; ++i)
            m.intDigits += r.at(i);
        for (int i = s.intCount; i < r.n; ++i)
            m.fracDigits += r.at(i);
        m.exponent = r.exp10 - s.intCount;
        return m;
    }
    const Digits r = roundDigits(absValue, s.fracCount, kMaxPrecision);
    if (r.n == 0)
        return m;
    m.zero = false;
    const int e = r.exp10;
    for (int i = 0; i < e; ++i)
        m.intDigits += r.at(i);
    for (int j = 0; j < r.n - e; ++j) // leading zeros when e < 0
        m.fracDigits += r.at(e + j);
    return m;
}

std::string renderMask(const MaskSection& s, const MaskNumber& m, bool minus,
                       std::string_view decimalSeparator, std::string_view thousandSeparator)
{
    std::string out;
    if (minus)
        out += '-';
    const int intLen = static_cast<int>(m.intDigits.size());
    const int fracLen = static_cast<int>(m.fracDigits.size());

    // p = position of the digit counted from the right of the integer part.
    auto putInt = [&](int p, char c) {
        out += c;
        if (s.grouping && p > 0 && p % 3 == 0)
            out += thousandSeparator;
    };
    // Integer digits that have no placeholder of their own.
    auto putExtraInt = [&] {
        for (int p = intLen - 1; p >= s.intCount; --p)
            putInt(p, m.intDigits[static_cast<std::size_t>(intLen - 1 - p)]);
    };

    bool pointWritten = false;
    for (const MaskToken& t : s.tokens) {
        switch (t.kind) {
        case MaskToken::Kind::Literal:
            out += t.text;
            break;
        case MaskToken::Kind::IntDigit: {
            if (t.index == 0)
                putExtraInt();
            const int p = s.intCount - 1 - t.index;
            if (p < intLen)
                putInt(p, m.intDigits[static_cast<std::size_t>(intLen - 1 - p)]);
            else if (s.firstRequiredInt >= 0 && t.index >= s.firstRequiredInt)
                putInt(p, '0');
            break;
        }
        case MaskToken::Kind::Point:
            if (s.intCount == 0)
                putExtraInt();
            break;
        case MaskToken::Kind::FracDigit: {
            char c = 0;
            if (t.index < fracLen)
                c = m.fracDigits[static_cast<std::size_t>(t.index)];
            else if (t.index <= s.lastRequiredFrac)
                c = '0';
            if (c != 0) {
                if (!pointWritten) {
                    out += decimalSeparator;
                    pointWritten = true;
                }
                out += c;
            }
            break;
        }
        case MaskToken::Kind::Exponent: {
            out += t.text[0];
            const int x = m.exponent;
            if (x < 0)
                out += '-';
            else if (t.text[1] == '+')
                out += '+';
            const std::string digits = std::to_string(x < 0 ? -x : x);
            for (int i = static_cast<int>(digits.size()); i < t.expDigits; ++i)
                out += '0';
            out += digits;
            break;
        }
        }
    }
    return out;
}

} // namespace

std::string formatFloat(double value, FloatFormat format, int precision, int digits,
                        std::string_view decimalSeparator)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";

    const int p = std::clamp(precision, 1, kMaxPrecision);
    const bool negative = std::signbit(value);
    const double a = std::fabs(value);
    ShortText out;
    switch (format) {
    case FloatFormat::General:
        writeGeneral(out, negative, roundDigits(a, kAnyDecimals, p), p,
                     std::clamp(digits, 0, kMaxExponentDigits));
        break;
    case FloatFormat::Exponent:
        writeExponentForm(out, negative, roundDigits(a, kAnyDecimals, p), p,
                          std::clamp(digits, 0, kMaxExponentDigits));
        break;
    case FloatFormat::Fixed: {
        const int decimals = std::clamp(digits, 0, kMaxPrecision);
        const Digits r = roundDigits(a, decimals, p);
        if (r.n > 0 && r.exp10 > p)
            writeExponentForm(out, negative, r, p, std::min(decimals, kMaxExponentDigits));
        else
            writeFixed(out, negative, r, decimals);
        break;
    }
    }
    return out.finish(effectiveSeparator(decimalSeparator));
}

std::string formatMask(double value, std::string_view mask, std::string_view decimalSeparator,
                       std::string_view thousandSeparator)
{
    const std::string_view sep = effectiveSeparator(decimalSeparator);
    if (mask.empty() || !std::isfinite(value))
        return formatGeneral(value, 15, 0, sep);

    const std::vector<std::string_view> sections = splitSections(mask);
    auto usable = [&sections](std::size_t i) { return i < sections.size() && !sections[i].empty(); };

    const bool negative = std::signbit(value);
    std::size_t chosen = negative ? 1 : (value == 0.0 ? 2 : 0);
    if (!usable(chosen))
        chosen = 0;
    if (sections[chosen].empty())
        return formatGeneral(value, 15, 0, sep);

    MaskSection section = parseSection(sections[chosen]);
    const double a = std::fabs(value);
    if (!section.scientific && a >= 1e18)
        return formatGeneral(value, 15, 0, sep);

    MaskNumber number = roundForMask(section, a);
    if (number.zero && chosen != 2 && usable(2)) {
        section = parseSection(sections[2]);
        number = roundForMask(section, 0.0);
    }
    const bool minus = chosen == 0 && negative && !number.zero;
    return renderMask(section, number, minus, sep, thousandSeparator);
}

double bankersRound(double value)
{
    // Beyond 2^52 every double is already an integer.
    if (!std::isfinite(value) || std::fabs(value) >= 4503599627370496.0)
        return value;
    const double lower = std::floor(value);
    const double diff = value - lower; // exact in this range
    double result = lower;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(lower, 2.0) != 0.0))
        result = lower + 1.0;
    return result == 0.0 ? std::copysign(0.0, value) : result;
}

std::optional<std::int32_t> parseInt(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    std::size_t numberStart = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '+')
            ++numberStart;
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    for (std::size_t j = i; j < text.size(); ++j)
        if (text[j] < '0' || text[j] > '9')
            return std::nullopt;

    std::int32_t result = 0;
    const char* end = text.data() + text.size();
    const auto res = std::from_chars(text.data() + numberStart, end, result);
    if (res.ec != std::errc() || res.ptr != end)
        return std::nullopt;
    return result;
}

std::optional<double> parseFloat(std::string_view text, std::string_view decimalSeparator)
{
    const std::string_view sep = effectiveSeparator(decimalSeparator);
    std::size_t i = 0;
    std::size_t end = text.size();
    while (i < end && text[i] == ' ')
        ++i;
    while (end > i && text[end - 1] == ' ')
        --end;

    // std::from_chars reads neither a leading '+' nor a separator other than '.'.
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        if (!negative)
            ++i;
    }
    const std::size_t numberStart = i;
    if (negative)
        ++i;

    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    int mantissaDigits = 0;
    // Decimal magnitude of the number, to tell overflow from underflow.
    long long magnitude = 0;
    bool seenNonZero = false;
    std::size_t sepPos = std::string_view::npos;
    while (i < end) {
        const char c = text[i];
        if (isDigit(c)) {
            ++mantissaDigits;
            if (c != '0')
                seenNonZero = true;
            if (sepPos == std::string_view::npos && seenNonZero)
                ++magnitude;
            else if (sepPos != std::string_view::npos && !seenNonZero)
                --magnitude;
            ++i;
        } else if (sepPos == std::string_view::npos && text.substr(i, end - i).starts_with(sep)) {
            sepPos = i;
            i += sep.size();
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;

    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        long long exponent = 0;
        int exponentDigits = 0;
        while (i < end && isDigit(text[i])) {
            exponent = std::min(exponent * 10 + (text[i] - '0'), 1000000000LL);
            ++exponentDigits;
            ++i;
        }
        if (exponentDigits == 0)
            return std::nullopt;
        magnitude += negativeExponent ? -exponent : exponent;
    }
    if (i != end)
        return std::nullopt;

    std::string_view number = text.substr(numberStart, end - numberStart);
    char small[128];
    std::string large;
    if (sepPos != std::string_view::npos && sep != ".") {
        const std::size_t size = number.size() - sep.size() + 1;
        char* out = small;
        if (size > sizeof small) {
            large.resize(size);
            out = large.data();
        }
        const std::size_t head = sepPos - numberStart;
        std::memcpy(out, number.data(), head);
        out[head] = '.';
        std::memcpy(out + head + 1, number.data() + head + sep.size(),
                    number.size() - head - sep.size());
        number = std::string_view(out, size);
    }

    double value = 0.0;
    const char* last = number.data() + number.size();
    const auto res = std::from_chars(number.data(), last, value);
    if (res.ec == std::errc::result_out_of_range) {
        if (magnitude > 0)
            return std::nullopt; // too large for a double
        return negative ? -0.0 : 0.0;
    }
    if (res.ec != std::errc() || res.ptr != last)
        return std::nullopt;
    return value;
}

} // namespace tvx
