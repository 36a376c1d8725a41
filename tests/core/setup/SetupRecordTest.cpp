#include "setup/SetupRecord.h"

#include "common/Cp1252.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using tvx::SetupRecord;
namespace setup = tvx::setup;

std::vector<int> bytesAt(const SetupRecord& rec, std::size_t offset, std::size_t n)
{
    return {rec.bytes().begin() + static_cast<std::ptrdiff_t>(offset),
            rec.bytes().begin() + static_cast<std::ptrdiff_t>(offset + n)};
}

bool allZero(const SetupRecord& rec, std::size_t from, std::size_t to)
{
    for (std::size_t i = from; i < to; ++i)
        if (rec.bytes()[i] != 0)
            return false;
    return true;
}

TEST(SetupRecord, NewRecordIsAllZero)
{
    const SetupRecord rec;
    EXPECT_TRUE(allZero(rec, 0, setup::RecordSize));
    EXPECT_EQ(rec.get(setup::UserName), "");
    EXPECT_EQ(rec.get(setup::ColourCodeOhms), 0.0);
}

TEST(SetupRecord, Int32IsLittleEndianTwosComplement)
{
    struct Case {
        std::int32_t value;
        std::vector<int> bytes;
    };
    const Case cases[] = {
        {1, {0x01, 0x00, 0x00, 0x00}},
        {0x12345678, {0x78, 0x56, 0x34, 0x12}},
        {-1, {0xFF, 0xFF, 0xFF, 0xFF}},
        {-2, {0xFE, 0xFF, 0xFF, 0xFF}},
        {std::numeric_limits<std::int32_t>::min(), {0x00, 0x00, 0x00, 0x80}},
        {std::numeric_limits<std::int32_t>::max(), {0xFF, 0xFF, 0xFF, 0x7F}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        SetupRecord rec;
        rec.set(setup::ConverterPrecision, c.value);
        EXPECT_EQ(bytesAt(rec, 31832, 4), c.bytes);
        EXPECT_EQ(rec.get(setup::ConverterPrecision), c.value);
        EXPECT_TRUE(allZero(rec, 31828, 31832));
        EXPECT_TRUE(allZero(rec, 31836, 31840));
    }
}

TEST(SetupRecord, DoubleIsLittleEndianBinary64)
{
    struct Case {
        double value;
        std::vector<int> bytes;
    };
    const Case cases[] = {
        {1.0, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F}},
        {-2.5, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0xC0}},
        {0.1, {0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xB9, 0x3F}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        SetupRecord rec;
        rec.set(setup::ColourCodeOhms, c.value);
        EXPECT_EQ(bytesAt(rec, 264, 8), c.bytes);
        EXPECT_EQ(rec.get(setup::ColourCodeOhms), c.value);
    }
}

TEST(SetupRecord, ArraysByElementAndWhole)
{
    SetupRecord rec;
    rec.set(setup::ConverterIndexes, 0, 7);
    rec.set(setup::ConverterIndexes, 15, -3);
    EXPECT_EQ(bytesAt(rec, 31752, 4), (std::vector<int>{7, 0, 0, 0}));
    EXPECT_EQ(bytesAt(rec, 31752 + 60, 4), (std::vector<int>{0xFD, 0xFF, 0xFF, 0xFF}));
    EXPECT_TRUE(allZero(rec, 31816, 31832)); // nothing written past element 15

    const std::vector<std::int32_t> all = rec.get(setup::ConverterIndexes);
    ASSERT_EQ(all.size(), 16u);
    EXPECT_EQ(all.front(), 7);
    EXPECT_EQ(all.back(), -3);

    std::vector<double> values(24);
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<double>(i) + 0.5;
    rec.set(setup::BasicLawsValues, values);
    EXPECT_EQ(rec.get(setup::BasicLawsValues), values);
    EXPECT_EQ(rec.get(setup::BasicLawsValues, 23), 23.5);
    EXPECT_EQ(rec.doubleAtOffset(11528 + 8 * 23), 23.5);
    EXPECT_TRUE(allZero(rec, 11720, 13832));
}

TEST(SetupRecord, OutOfRangeReadsGiveZeroAndWritesThrow)
{
    SetupRecord rec;
    rec.set(setup::RoadCaseColumnWidths, 6, 99);
    EXPECT_EQ(rec.get(setup::RoadCaseColumnWidths, 7), 0);
    EXPECT_EQ(rec.get(setup::TruckDimensions, 3), 0.0);
    EXPECT_EQ(rec.int32AtOffset(setup::RecordSize - 3), 0);
    EXPECT_EQ(rec.int32AtOffset(std::numeric_limits<std::size_t>::max() - 1), 0);
    EXPECT_EQ(rec.doubleAtOffset(setup::RecordSize), 0.0);

    EXPECT_THROW(rec.set(setup::RoadCaseColumnWidths, 7, 1), std::out_of_range);
    EXPECT_THROW(rec.setInt32AtOffset(setup::RecordSize - 3, 1), std::out_of_range);
    EXPECT_THROW(rec.setDoubleAtOffset(std::numeric_limits<std::size_t>::max() - 4, 1.0),
                 std::out_of_range);
    EXPECT_THROW(rec.set(setup::TruckDimensions, std::vector<double>{1.0, 2.0}), std::invalid_argument);
    EXPECT_TRUE(allZero(rec, setup::UnusedTailOffset, setup::RecordSize));

    rec.setInt32AtOffset(setup::RecordSize - 4, -1); // the last whole int32 is writable
    EXPECT_EQ(rec.int32AtOffset(setup::RecordSize - 4), -1);
}

TEST(SetupRecord, ShorterCountedStringLeavesOldBytesBehind)
{
    SetupRecord rec;
    rec.set(setup::UserName, "ABCDEF");
    rec.set(setup::UserName, "XY");
    EXPECT_EQ(rec.bytes()[776], 2);
    EXPECT_EQ(bytesAt(rec, 777, 6), (std::vector<int>{'X', 'Y', 'C', 'D', 'E', 'F'}));
    EXPECT_EQ(rec.get(setup::UserName), "XY");

    rec.set(setup::UserName, "");
    EXPECT_EQ(rec.get(setup::UserName), "");
    EXPECT_EQ(rec.bytes()[777], 'X');
}

TEST(SetupRecord, CountedStringHoldsWindows1252)
{
    SetupRecord rec;
    rec.set(setup::FixtureDatabaseFilter, "Caf\u00E9 \u20AC \u6F22");
    EXPECT_EQ(bytesAt(rec, 39432, 9),
              (std::vector<int>{8, 'C', 'a', 'f', 0xE9, ' ', 0x80, ' ', '?'}));
    EXPECT_EQ(rec.get(setup::FixtureDatabaseFilter), "Caf\u00E9 \u20AC ?");
}

TEST(SetupRecord, CountedStringIsCutAt255Characters)
{
    struct Case {
        std::string text;
        int storedByte;
    };
    std::string eAcute;
    for (int i = 0; i < 300; ++i)
        eAcute += "\u00E9";
    const Case cases[] = {{std::string(300, 'a'), 'a'}, {eAcute, 0xE9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.storedByte);
        SetupRecord rec;
        rec.set(setup::UserDataFolder, "next field"); // directly behind UserName
        rec.set(setup::UserName, c.text);
        EXPECT_EQ(rec.bytes()[776], 255);
        EXPECT_EQ(rec.bytes()[776 + 255], c.storedByte);
        EXPECT_EQ(rec.get(setup::UserDataFolder), "next field");
        EXPECT_EQ(rec.get(setup::UserName), tvx::utf8Left(c.text, 255));
    }
}

TEST(SetupRecord, RawGeometryBlock)
{
    SetupRecord rec;
    rec.set(setup::RoadCaseGeometry, tvx::WindowGeometry{600, 800, -5, 10, 1});
    EXPECT_EQ(rec.int32AtOffset(41500), 600);
    EXPECT_EQ(rec.int32AtOffset(41504), 800);
    EXPECT_EQ(rec.int32AtOffset(41508), -5);
    EXPECT_EQ(rec.int32AtOffset(41512), 10);
    EXPECT_EQ(rec.int32AtOffset(41516), 1);
    EXPECT_EQ(rec.get(setup::RoadCaseGeometry), (tvx::WindowGeometry{600, 800, -5, 10, 1}));
}

TEST(SetupRecord, BuiltFromBytes)
{
    std::vector<std::uint8_t> shortInput{1, 0, 0, 0, 9};
    const SetupRecord fromShort(shortInput);
    EXPECT_EQ(fromShort.get(setup::SaveMarker), 1);
    EXPECT_EQ(fromShort.get(setup::ConverterPrecisionShell), 9);
    EXPECT_TRUE(allZero(fromShort, 5, setup::RecordSize));

    std::vector<std::uint8_t> longInput(setup::RecordSize + 10, 0x5A);
    const SetupRecord fromLong(longInput);
    EXPECT_EQ(fromLong.bytes().back(), 0x5A);

    SetupRecord marked;
    marked.markSaved();
    EXPECT_EQ(bytesAt(marked, 0, 4), (std::vector<int>{1, 0, 0, 0}));
}

} // namespace
