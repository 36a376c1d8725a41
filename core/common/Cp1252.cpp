#include "common/Cp1252.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace tvx {

namespace {

// Characters of the bytes 0x80..0x9F. The five bytes Windows-1252 leaves
// undefined keep the C1 control of the same value so that they round-trip.
constexpr std::array<char32_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80..0x87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88..0x8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90..0x97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98..0x9F
};

constexpr char Unmapped = '?';

// Length of the leading run of bytes below 0x80. Table files are almost all
// ASCII, so this checks eight bytes at a time.
std::size_t asciiPrefix(std::string_view s)
{
    const char* p = s.data();
    const std::size_t n = s.size();
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, p + i, 8);
        if ((word & 0x8080808080808080ULL) != 0)
            break;
    }
    while (i < n && static_cast<unsigned char>(p[i]) < 0x80)
        ++i;
    return i;
}

char32_t byteToCodePoint(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F)
        return HighControlRange[b - 0x80];
    return b;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        // Every character of Windows-1252 lies below U+10000.
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

char codePointToByte(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] == cp)
            return static_cast<char>(0x80 + i);
    }
    return Unmapped;
}

// One unit of a UTF-8 text: a well-formed character, or the longest start of
// a well-formed sequence (at least one byte) that counts as one bad character.
struct Unit {
    char32_t codePoint;
    std::size_t length;
    bool valid;
};

Unit decodeAt(std::string_view s, std::size_t pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80)
        return {lead, 1, true};

    std::size_t need;     // continuation bytes after the lead
    unsigned char lo = 0x80; // allowed range of the first continuation byte;
    unsigned char hi = 0xBF; // it rules out overlong forms, surrogates and > U+10FFFF
    char32_t cp;
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1;
        cp = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2;
        cp = lead & 0x0Fu;
        if (lead == 0xE0)
            lo = 0xA0;
        else if (lead == 0xED)
            hi = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3;
        cp = lead & 0x07u;
        if (lead == 0xF0)
            lo = 0x90;
        else if (lead == 0xF4)
            hi = 0x8F;
    } else {
        return {0, 1, false};
    }

    std::size_t len = 1;
    for (std::size_t k = 0; k < need; ++k) {
        if (pos + len >= s.size())
            return {0, len, false};
        const unsigned char c = byte(pos + len);
        if (c < lo || c > hi)
            return {0, len, false};
        cp = (cp << 6) | (c & 0x3Fu);
        ++len;
        lo = 0x80;
        hi = 0xBF;
    }
    return {cp, len, true};
}

} // namespace

std::string cp1252ToUtf8(std::string_view bytes)
{
    std::size_t i = asciiPrefix(bytes);
    if (i == bytes.size())
        return std::string(bytes);

    std::string out;
    out.reserve(bytes.size() + (bytes.size() - i) * 2);
    out.append(bytes.substr(0, i));
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            const std::size_t run = asciiPrefix(bytes.substr(i));
            out.append(bytes.substr(i, run));
            i += run;
            continue;
        }
        appendUtf8(out, byteToCodePoint(b));
        ++i;
    }
    return out;
}

std::string utf8ToCp1252(std::string_view utf8)
{
    std::size_t i = asciiPrefix(utf8);
    if (i == utf8.size())
        return std::string(utf8);

    std::string out;
    out.reserve(utf8.size());
    out.append(utf8.substr(0, i));
    while (i < utf8.size()) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            const std::size_t run = asciiPrefix(utf8.substr(i));
            out.append(utf8.substr(i, run));
            i += run;
            continue;
        }
        const Unit u = decodeAt(utf8, i);
        out.push_back(u.valid ? codePointToByte(u.codePoint) : Unmapped);
        i += u.length;
    }
    return out;
}

std::size_t utf8Length(std::string_view utf8)
{
    std::size_t i = 0;
    std::size_t count = 0;
    while (i < utf8.size()) {
        const std::size_t run = asciiPrefix(utf8.substr(i));
        i += run;
        count += run;
        if (i < utf8.size()) {
            i += decodeAt(utf8, i).length;
            ++count;
        }
    }
    return count;
}

std::string utf8Left(std::string_view utf8, std::size_t maxChars)
{
    // Characters before the first non-ASCII byte are one byte each.
    std::size_t i = asciiPrefix(utf8);
    if (i >= maxChars)
        return std::string(utf8.substr(0, maxChars));
    std::size_t count = i;
    while (i < utf8.size() && count < maxChars) {
        i += decodeAt(utf8, i).length;
        ++count;
    }
    return std::string(utf8.substr(0, i));
}

} // namespace tvx
