#include "common/Cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using tvx::cp1252ToUtf8;
using tvx::utf8Left;
using tvx::utf8Length;
using tvx::utf8ToCp1252;

std::string byte(int b)
{
    return std::string(1, static_cast<char>(b));
}

TEST(Cp1252, EveryByteRoundTrips)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += byte(b);
    const std::string utf8 = cp1252ToUtf8(all);
    EXPECT_EQ(utf8Length(utf8), 256u);
    EXPECT_EQ(utf8ToCp1252(utf8), all);

    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(byte(b))), byte(b));
    }
}

TEST(Cp1252, ByteToCharacter)
{
    struct Case {
        int byte;
        const char* utf8;
    };
    const Case cases[] = {
        {0x41, "A"},
        {0x80, "\u20AC"}, // euro sign
        {0x82, "\u201A"},
        {0x8A, "\u0160"}, // S caron
        {0x8C, "\u0152"},
        {0x93, "\u201C"},
        {0x96, "\u2013"},
        {0x99, "\u2122"}, // trade mark
        {0x9F, "\u0178"},
        {0xA0, "\u00A0"},
        {0xE9, "\u00E9"},
        {0xFF, "\u00FF"},
        // Undefined in Windows-1252: kept as the C1 control of the same value.
        {0x81, "\xC2\x81"},
        {0x8D, "\xC2\x8D"},
        {0x8F, "\xC2\x8F"},
        {0x90, "\xC2\x90"},
        {0x9D, "\xC2\x9D"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.byte);
        EXPECT_EQ(cp1252ToUtf8(byte(c.byte)), c.utf8);
        EXPECT_EQ(utf8ToCp1252(c.utf8), byte(c.byte));
    }
}

TEST(Cp1252, CharacterWithoutByteBecomesQuestionMark)
{
    struct Case {
        const char* utf8;
        std::string expected;
    };
    const Case cases[] = {
        {"\u6F22", "?"},                      // CJK ideograph
        {"\u2192", "?"},                      // arrow, unlike the euro sign next to it
        {"\u20AC\u2192\u20AC", "\x80?\x80"},
        {"\xC2\x80", "?"},                    // U+0080: byte 0x80 is the euro sign
        {"\xC2\x9E", "?"},                    // U+009E: byte 0x9E is z caron
        {"\u0100", "?"},                      // just above Latin-1
        {"\U0001F600", "?"},                  // outside the basic plane
        {"caf\u00E9 \u6F22\u5B57!", "caf\xE9 ?" "?!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(utf8ToCp1252(c.utf8), c.expected);
        EXPECT_EQ(utf8Length(c.utf8), c.expected.size());
    }
}

TEST(Cp1252, MalformedUtf8BecomesQuestionMark)
{
    // Each bad sequence counts as one character, so the converted text has
    // exactly utf8Length bytes.
    struct Case {
        std::string utf8;
        std::string expected;
    };
    const Case cases[] = {
        {"a\x80z", "a?z"},              // stray continuation byte
        {"a\xC3z", "a?z"},              // lead byte without continuation
        {"a\xC3", "a?"},                // cut at the end
        {"\xE2\x82z", "?z"},            // three-byte sequence cut short
        {"\xE2\x82", "?"},
        {"\xC0\xAF", "??"},             // overlong "/"
        {"\xE0\x80\xAF", "???"},        // overlong
        {"\xED\xA0\x80", "???"},        // UTF-16 surrogate
        {"\xF4\x90\x80\x80", "????"},   // above U+10FFFF
        {"\xFF\xFE", "??"},
        {"\xC3\xA9\xC3", "\xE9?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.utf8));
        EXPECT_EQ(utf8ToCp1252(c.utf8), c.expected);
        EXPECT_EQ(utf8Length(c.utf8), c.expected.size());
    }
}

TEST(Cp1252, LengthAndLeftCountCharacters)
{
    const std::string text = "A\u00E9\u20AC\U0001F600b"; // 1 + 2 + 3 + 4 + 1 bytes
    EXPECT_EQ(utf8Length(text), 5u);
    EXPECT_EQ(utf8Left(text, 0), "");
    EXPECT_EQ(utf8Left(text, 1), "A");
    EXPECT_EQ(utf8Left(text, 2), "A\u00E9");
    EXPECT_EQ(utf8Left(text, 3), "A\u00E9\u20AC");
    EXPECT_EQ(utf8Left(text, 4), "A\u00E9\u20AC\U0001F600");
    EXPECT_EQ(utf8Left(text, 5), text);
    EXPECT_EQ(utf8Left(text, 99), text);

    // A bad byte is one character and is never split from its neighbours.
    EXPECT_EQ(utf8Left("\xE2\x82z", 1), "\xE2\x82");
    EXPECT_EQ(utf8Left("abcdefghijk", 10), "abcdefghij");
    EXPECT_EQ(utf8Length(""), 0u);
}

TEST(Cp1252, LongTextsMixingAsciiAndOthers)
{
    // Runs longer than the eight-byte fast scan, with the special byte at
    // every position of a word.
    for (std::size_t pos = 0; pos < 20; ++pos) {
        SCOPED_TRACE(pos);
        std::string bytes(20, 'x');
        bytes[pos] = '\x80';
        std::string utf8(20, 'x');
        utf8.replace(pos, 1, "\u20AC");
        EXPECT_EQ(cp1252ToUtf8(bytes), utf8);
        EXPECT_EQ(utf8ToCp1252(utf8), bytes);
        EXPECT_EQ(utf8Length(utf8), 20u);
        EXPECT_EQ(utf8Left(utf8, pos + 1), utf8.substr(0, pos + 3));
    }
    const std::string ascii = "Device Name,Manufacturer,Watts,Weight\r\n";
    EXPECT_EQ(cp1252ToUtf8(ascii), ascii);
    EXPECT_EQ(utf8ToCp1252(ascii), ascii);
}

} // namespace
