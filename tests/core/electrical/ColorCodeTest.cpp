#include "electrical/ColorCode.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>

namespace {

using namespace tvx::electrical;
using C = ResistorColour;

ColourBands bandsOf(C a, C b, int multiplierIndex, BandSetting tolerance)
{
    ColourBands bands;
    bands[ColourBand::A] = digitBand(ColourBand::A, int(a));
    bands[ColourBand::B] = digitBand(ColourBand::B, int(b));
    bands[ColourBand::C] = multiplierBand(multiplierIndex);
    bands[ColourBand::D] = tolerance;
    return bands;
}

constexpr BandSetting Gold5{C::Gold, 5};

TEST(ColorCodeTables, ColoursAndSwatchesMatchTheCode)
{
    const auto& colours = resistorColours();
    EXPECT_EQ(colours[0].name, "Black");
    EXPECT_EQ(colourInfo(C::Brown).rgb, 0x804000u);
    EXPECT_EQ(colourInfo(C::Gold).rgb, 0xBEA53Du);
    EXPECT_EQ(colourInfo(C::NoColor).name, "No Color");
    EXPECT_EQ(colourInfo(C::NoColor).rgb, 0x400000u);
    for (std::size_t i = 0; i < colours.size(); ++i)
        EXPECT_EQ(std::size_t(colours[i].colour), i);

    // Every swatch has a unique control name; digit and multiplier swatches
    // carry the value of their colour.
    std::set<std::string_view> names;
    for (ColourBand band : {ColourBand::A, ColourBand::B, ColourBand::C, ColourBand::D})
        for (const BandSwatch& s : bandSwatches(band))
            EXPECT_TRUE(names.insert(s.objectName).second) << s.objectName;
    EXPECT_EQ(names.size(), 10u + 10u + 12u + 7u);

    const auto& a = bandSwatches(ColourBand::A);
    EXPECT_EQ(a[7].objectName, "ResistanceCode_A7");
    EXPECT_EQ(a[7].setting, (BandSetting{C::Purple, 70}));
    EXPECT_EQ(bandSwatches(ColourBand::B)[7].setting, (BandSetting{C::Purple, 7}));
    const auto& c = bandSwatches(ColourBand::C);
    EXPECT_EQ(c[3].hint, "Multiply by  1000"); // two blanks, as shown to the user
    EXPECT_EQ(c[9].setting, (BandSetting{C::White, 1e9}));
    EXPECT_EQ(c[10].objectName, "ResistanceCode_CDiv10");
    EXPECT_EQ(c[10].setting, (BandSetting{C::Gold, 0.1}));
    EXPECT_EQ(c[11].setting, (BandSetting{C::Silver, 0.01}));
    const auto& d = bandSwatches(ColourBand::D);
    EXPECT_EQ(d.back().objectName, "ResistanceCode_D20");
    EXPECT_EQ(d.back().hint, "No color = 20 % tolerance");
    EXPECT_EQ(d.back().setting, (BandSetting{C::NoColor, 20}));
    EXPECT_EQ(d[4].setting, Gold5);
}

TEST(ColorCodeTables, OutOfRangeNumbersGiveTheDefault)
{
    EXPECT_EQ(multiplierBand(-1), (BandSetting{C::Black, 1}));
    EXPECT_EQ(multiplierBand(12), (BandSetting{C::Black, 1}));
    EXPECT_EQ(digitBand(ColourBand::A, 10), (BandSetting{C::Black, 0}));
    EXPECT_EQ(colourInfo(ResistorColour(99)).name, "Black");
}

struct ResultCase {
    C a;
    C b;
    int multiplier;
    BandSetting tolerance;
    const char* ohms;
    const char* kilo;
    const char* mega;
};

TEST(ColorCodeResults, BandsGiveTheThreeTexts)
{
    const ResultCase cases[] = {
        {C::Yellow, C::Purple, 2, Gold5, "4700.0 Ohms (+/- 5% tolerance)", "4.7 Kilo Ohms (+/- 5% tolerance)",
         "0.0 Mega Ohms (+/- 5% tolerance)"},
        {C::Brown, C::Black, 10, Gold5, "1.0 Ohms (+/- 5% tolerance)", "0.0 Kilo Ohms (+/- 5% tolerance)",
         "0.0 Mega Ohms (+/- 5% tolerance)"},
        {C::Brown, C::Black, 11, {C::Silver, 10}, "0.1 Ohms (+/- 10% tolerance)", "0.0 Kilo Ohms (+/- 10% tolerance)",
         "0.0 Mega Ohms (+/- 10% tolerance)"},
        {C::White, C::White, 9, {C::NoColor, 20}, "99000000000.0 Ohms (+/- 20% tolerance)",
         "99000000.0 Kilo Ohms (+/- 20% tolerance)", "99000.0 Mega Ohms (+/- 20% tolerance)"},
        {C::Red, C::Red, 5, {C::Brown, 1}, "2200000.0 Ohms (+/- 1% tolerance)", "2200.0 Kilo Ohms (+/- 1% tolerance)",
         "2.2 Mega Ohms (+/- 1% tolerance)"},
    };
    for (const ResultCase& c : cases) {
        const ColourCodeResults r = colourCodeResults(bandsOf(c.a, c.b, c.multiplier, c.tolerance));
        EXPECT_EQ(r.ohms, c.ohms);
        EXPECT_EQ(r.kiloOhms, c.kilo);
        EXPECT_EQ(r.megaOhms, c.mega);
    }
    EXPECT_EQ(colourCodeResults(initialBands()).ohms, "0.0 Ohms (+/- 1% tolerance)");
    EXPECT_EQ(colourCodeResults(bandsOf(C::Yellow, C::Purple, 10, Gold5), ",").ohms, "4,7 Ohms (+/- 5% tolerance)");
}

TEST(ColorCodeResults, BandsThatAreNoNumbersGiveNoText)
{
    ColourBands bands = initialBands();
    bands[ColourBand::C].value = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(colourCodeResults(bands), ColourCodeResults{});
    bands = initialBands();
    bands[ColourBand::D].value = std::numeric_limits<double>::infinity();
    EXPECT_EQ(colourCodeResults(bands), ColourCodeResults{});
}

struct ValueCase {
    const char* entry;
    EntryUnit unit;
    C a;
    C b;
    C multiplier;
    double ohms;
};

TEST(ColorCodeValueToBands, DecadesChooseTheMultiplierAndDigitsAreCut)
{
    const ValueCase cases[] = {
        {"4790", EntryUnit::Ohms, C::Yellow, C::Purple, C::Red, 4700},
        {"4.7", EntryUnit::KiloOhms, C::Yellow, C::Purple, C::Red, 4700},
        {"4.7", EntryUnit::Ohms, C::Yellow, C::Purple, C::Gold, 4.7},
        {"0.47", EntryUnit::Ohms, C::Yellow, C::Black, C::Silver, 0.4},
        {"0.1", EntryUnit::Ohms, C::Brown, C::Black, C::Silver, 0.1},
        {"0.05", EntryUnit::Ohms, C::Black, C::Black, C::Black, 0},
        {"0", EntryUnit::Ohms, C::Black, C::Black, C::Black, 0},
        {"1", EntryUnit::Ohms, C::Brown, C::Black, C::Gold, 1},
        {"47", EntryUnit::Ohms, C::Yellow, C::Purple, C::Black, 47},
        {"100", EntryUnit::Ohms, C::Brown, C::Black, C::Brown, 100},
        {"2.2", EntryUnit::MegaOhms, C::Red, C::Red, C::Green, 2200000},
        {"99000000000", EntryUnit::Ohms, C::White, C::White, C::White, 99e9},
        // Decimal values stored a hair below their digits keep them.
        {"2.3", EntryUnit::Ohms, C::Red, C::Orange, C::Gold, 2.3},
        {"0.29", EntryUnit::Ohms, C::Red, C::Black, C::Silver, 0.2},
        {"0.0047", EntryUnit::MegaOhms, C::Yellow, C::Purple, C::Red, 4700},
        {"5.6", EntryUnit::KiloOhms, C::Green, C::Blue, C::Red, 5600},
        {"8.2", EntryUnit::Ohms, C::Gray, C::Red, C::Gold, 8.2},
        {"9.99999", EntryUnit::Ohms, C::White, C::White, C::Gold, 9.9},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.entry);
        ColourBands start = initialBands();
        start[ColourBand::D] = {C::Silver, 10};
        const ValueToBandsResult r = valueToBands(c.entry, c.unit, start);
        EXPECT_TRUE(r.readable);
        EXPECT_TRUE(r.coded);
        EXPECT_FALSE(r.cutEntry);
        EXPECT_EQ(r.bands[ColourBand::A].colour, c.a);
        EXPECT_EQ(r.bands[ColourBand::B].colour, c.b);
        EXPECT_EQ(r.bands[ColourBand::C].colour, c.multiplier);
        EXPECT_NEAR(bandsResistance(r.bands), c.ohms, c.ohms * 1e-12);
        // The tolerance band never follows a typed value.
        EXPECT_EQ(r.bands[ColourBand::D], (BandSetting{C::Silver, 10}));
    }
}

TEST(ColorCodeValueToBands, LargeEntriesAreCutBackInTheirOwnUnit)
{
    const struct {
        const char* entry;
        EntryUnit unit;
        const char* cut;
    } cases[] = {
        {"1000000000000", EntryUnit::Ohms, "99000000000"},
        {"1e300", EntryUnit::Ohms, "99000000000"},
        {"500000000", EntryUnit::KiloOhms, "99000000"},
        {"200000", EntryUnit::MegaOhms, "99000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        const ValueToBandsResult r = valueToBands(c.entry, c.unit, initialBands());
        ASSERT_TRUE(r.cutEntry);
        EXPECT_EQ(*r.cutEntry, c.cut);
        EXPECT_TRUE(r.coded);
        EXPECT_EQ(bandsResistance(r.bands), 99e9);
    }
    // Exactly the largest code is kept as typed.
    EXPECT_FALSE(valueToBands("99000", EntryUnit::MegaOhms, initialBands()).cutEntry);
}

TEST(ColorCodeValueToBands, EntriesWithoutANumberChangeNothing)
{
    const ColourBands start = bandsOf(C::Yellow, C::Purple, 2, Gold5);
    for (const char* entry : {"", "abc", "1.2.3", "INF", "NAN"}) {
        const ValueToBandsResult r = valueToBands(entry, EntryUnit::Ohms, start);
        EXPECT_FALSE(r.readable) << entry;
        EXPECT_FALSE(r.coded) << entry;
        EXPECT_EQ(r.bands, start) << entry;
    }
    // The user's separator is the one read.
    EXPECT_EQ(bandsResistance(valueToBands("4,7", EntryUnit::KiloOhms, start, ",").bands), 4700);
}

TEST(ColorCodeEntry, TextsShowOneDecimalTrimmed)
{
    EXPECT_EQ(entryText(47), "47");
    EXPECT_EQ(entryText(4.7), "4.7");
    EXPECT_EQ(entryText(0.47), "0.5");
    EXPECT_EQ(entryText(0), "0");
    EXPECT_EQ(entryText(std::nan("")), "0");
    const ColourBands bands = bandsOf(C::Yellow, C::Purple, 2, Gold5);
    EXPECT_EQ(resistanceEntryText(bands, EntryUnit::Ohms), "4700");
    EXPECT_EQ(resistanceEntryText(bands, EntryUnit::KiloOhms), "4.7");
    EXPECT_EQ(resistanceEntryText(bands, EntryUnit::MegaOhms), "0");
}

TEST(ColorCodeSpin, StepIsATenthOfTheDecade)
{
    const struct {
        const char* entry;
        const char* up;
        const char* down;
    } cases[] = {
        {"47", "48", "46"},
        {"4.7", "4.8", "4.6"},
        {"0.05", "0.1", "0.1"},
        {"", "0.1", "0.1"},
        {"abc", "0.1", "0.1"},
        {"0.1", "0.2", "0"},
        {"9.9", "10", "9.8"},
        {"10", "11", "9"},
        {"470", "480", "460"},
        {"100", "110", "90"},
        {"4700000", "4800000", "4600000"},
        {"9900000000", "10000000000", "9800000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        EXPECT_EQ(spinEntry(c.entry, true), c.up);
        EXPECT_EQ(spinEntry(c.entry, false), c.down);
    }
    EXPECT_FALSE(spinEntry("10000000000", true));
    EXPECT_FALSE(spinEntry("99000000000", false));
    // Repeated tenths do not pile up binary noise in the text.
    std::string entry = "0.1";
    for (int i = 0; i < 30; ++i)
        entry = *spinEntry(entry, true);
    EXPECT_EQ(entry, "3.1");
}

TEST(ColorCodeSetup, StoredValuesAreBroughtIntoRange)
{
    EXPECT_EQ(storedEntryValue(4700), 4700);
    EXPECT_EQ(storedEntryValue(-5), 0);
    EXPECT_EQ(storedEntryValue(std::nan("")), 0);
    EXPECT_EQ(storedEntryValue(std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(storedEntryValue(1e300), MaxCodedOhms);
}

} // namespace
