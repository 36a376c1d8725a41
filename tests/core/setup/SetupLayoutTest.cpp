#include "setup/SetupLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace tvx::setup;

TEST(SetupLayout, FieldsSitAtTheirOffsets)
{
    EXPECT_EQ(RecordSize, 58376u);
    EXPECT_EQ(SaveMarker.offset, 0u);
    EXPECT_EQ(ConverterPrecisionShell.offset, 4u);
    EXPECT_EQ(ConfirmSaveList.offset, 36u);
    EXPECT_EQ(ColourCodeOhms.offset, 264u);
    EXPECT_EQ(UserName.offset, 776u);
    EXPECT_EQ(BasicLawsValues.offset, 11528u);
    EXPECT_EQ(BasicLawsValues.count, 24u);
    EXPECT_EQ(PhaseLoadWorkingVoltage1phCopy.offset, 13916u);
    EXPECT_EQ(LoadListGeometry.offset, 18972u);
    EXPECT_EQ(LoadListListColumnWidths.offset, 19072u);
    EXPECT_EQ(LoadListListColumnWidths.count, 13u);
    EXPECT_EQ(ConverterIndexes.offset, 31752u);
    EXPECT_EQ(ConverterIndexes.count, 16u);
    EXPECT_EQ(ConverterPrecision.offset, 31832u);
    EXPECT_EQ(FixtureDatabaseColumnWidths.count, 27u);
    EXPECT_EQ(RoadCaseUnits.offset, 41480u);
    EXPECT_EQ(RoadCaseGeometry.offset, 41500u);
}

TEST(SetupLayout, WidthsFollowTheTypes)
{
    EXPECT_EQ(ToolbarLeft.width(), 4u);
    EXPECT_EQ(LoadListVoltage3ph.width(), 8u);
    EXPECT_EQ(UserDataFolder.width(), 256u);
    EXPECT_EQ(DmxGeometry.width(), 20u);
    EXPECT_EQ(DmxListColumnWidths.width(), 44u);
    EXPECT_EQ(PhotometricValues.width(), 88u);
}

TEST(SetupLayout, FieldsDoNotOverlapAndEndBeforeTheUnusedTail)
{
    ASSERT_EQ(AllFields.size(), 91u);

    std::vector<FieldInfo> sorted(AllFields.begin(), AllFields.end());
    std::sort(sorted.begin(), sorted.end(),
              [](const FieldInfo& a, const FieldInfo& b) { return a.offset < b.offset; });
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        const FieldInfo& prev = sorted[i - 1];
        EXPECT_LE(prev.offset + prev.width, sorted[i].offset)
            << std::string(prev.name) << " runs into " << std::string(sorted[i].name);
    }
    EXPECT_EQ(sorted.back().offset + sorted.back().width, UnusedTailOffset);
    EXPECT_EQ(UnusedTailOffset, 41548u);

    std::set<std::string_view> names;
    for (const FieldInfo& f : AllFields)
        EXPECT_TRUE(names.insert(f.name).second) << "duplicate name " << std::string(f.name);
}

} // namespace
