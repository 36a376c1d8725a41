#include "converter/PocketCalculator.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

using tvx::converter::PocketCalculator;
using tvx::converter::entryTextWithDecimals;
using Op = PocketCalculator::Operation;

// Feeds keys as the dialog does: digits, "." for the separator, + - * / = C
// and "<" for backspace.
void press(PocketCalculator& calc, std::string_view keys)
{
    for (const char k : keys) {
        switch (k) {
        case '+': calc.operation(Op::Add); break;
        case '-': calc.operation(Op::Subtract); break;
        case '*': calc.operation(Op::Multiply); break;
        case '/': calc.operation(Op::Divide); break;
        case '=': calc.equals(); break;
        case 'C': calc.clear(); break;
        case '<': calc.backspace(); break;
        case '.': calc.point(); break;
        default: calc.digit(k - '0'); break;
        }
    }
}

struct KeyCase {
    const char* keys;
    const char* display;
};

TEST(PocketCalculatorTest, KeySequences)
{
    const KeyCase cases[] = {
        {"", "0"},
        {"12+30=", "42"},
        {"2+3*4=", "20"},            // left to right, like a desk calculator
        {"10-4-1=", "5"},
        {"7/2=", "3.5"},
        {"0.1+0.2=", "0.3"},          // shown with 15 significant digits
        {"3-5=", "-2"},
        {"5+*2=", "10"},              // the last operator counts
        {"2+=", "4"},                 // a missing operand repeats the shown one
        {"12+3", "3"},                // the display shows the operand being typed
        {"12+", "12"},
        {"007", "7"},
        {"1..5", "1.5"},
        {".5", "0.5"},
        {"5.*2=", "10"},
        {"123<", "12"},
        {"1<<<", "0"},
        {"12+3=<", "15"},             // a result is not edited
        {"9999999999999999999", "999999999999999"},
        {"8/0=", "Error"},
        {"8/0=+=", "Error"},          // operators and = wait for a digit or C
        {"8/0=4", "4"},
        {"8/0=C", "0"},
        {"12+3C", "0"},
    };
    for (const KeyCase& c : cases) {
        PocketCalculator calc;
        press(calc, c.keys);
        EXPECT_EQ(calc.display(), c.display) << c.keys;
    }
}

TEST(PocketCalculatorTest, ValueAndErrorState)
{
    PocketCalculator calc;
    press(calc, "6*7=");
    ASSERT_TRUE(calc.value());
    EXPECT_DOUBLE_EQ(*calc.value(), 42.0);
    EXPECT_EQ(calc.pending(), Op::None);

    press(calc, "1/0=");
    EXPECT_TRUE(calc.hasError());
    EXPECT_FALSE(calc.value());

    // An overflow is an error as well, never "inf".
    calc.setValue(1e300);
    EXPECT_EQ(calc.pending(), Op::None); // setValue starts over
    calc.operation(Op::Multiply);
    press(calc, "10000000000=");
    EXPECT_EQ(calc.display(), "Error");
}

TEST(PocketCalculatorTest, StartsFromTheBoxValueWithTheLocaleSeparator)
{
    PocketCalculator calc(",");
    calc.setValue(2.5);
    EXPECT_EQ(calc.display(), "2,5");
    press(calc, "*4=");
    EXPECT_EQ(calc.display(), "10");
    press(calc, "1.25");
    EXPECT_EQ(calc.display(), "1,25");
    EXPECT_DOUBLE_EQ(*calc.value(), 1.25);

    calc.setValue(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(calc.display(), "0");
}

struct EntryCase {
    const char* text;
    int digits;
    const char* separator;
    const char* shown;
};

TEST(PocketCalculatorTest, EntryTextPadsButNeverRounds)
{
    const EntryCase cases[] = {
        {"12", 3, ".", "12.000"},
        {"12.5", 3, ".", "12.500"},
        {"12.34567", 3, ".", "12.34567"},   // typed digits stay
        {"12.50000", 2, ".", "12.50"},      // surplus zeros go
        {"12.000", 0, ".", "12"},
        {"12.5", 0, ".", "12.5"},
        {"0", 2, ".", "0.00"},
        {"-3", 1, ".", "-3.0"},
        {"1,5", 3, ",", "1,500"},
        {"", 3, ".", ""},
        {"abc", 3, ".", "abc"},
        {"1,5", 3, ".", "1,5"},             // not a number in this locale: untouched
        {"1E-6", 3, ".", "1E-6"},
        {"5", 99, ".", "5.000000000000000"}, // digits clamped to 15
    };
    for (const EntryCase& c : cases)
        EXPECT_EQ(entryTextWithDecimals(c.text, c.digits, c.separator), c.shown)
            << c.text << " D " << c.digits;
}

} // namespace
