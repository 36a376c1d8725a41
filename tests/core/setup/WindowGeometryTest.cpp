#include "setup/WindowGeometry.h"

#include "setup/SetupRecord.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using tvx::GeometryRestore;
using tvx::SetupRecord;
using tvx::WindowGeometry;
namespace setup = tvx::setup;

TEST(GeometryStore, SizeOnlyFromNormalStatePositionAlways)
{
    const WindowGeometry earlier{500, 700, 20, 30, 0};
    struct Case {
        const char* name;
        WindowGeometry closing;
        WindowGeometry stored;
    };
    const Case cases[] = {
        {"normal", {480, 650, 5, 6, 0}, {480, 650, 5, 6, 0}},
        {"maximized keeps the earlier size", {1024, 1280, 0, 0, 1}, {500, 700, 0, 0, 1}},
        {"minimized keeps the earlier size", {30, 160, -32000, -32000, 2}, {500, 700, -32000, -32000, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetupRecord rec;
        rec.set(setup::DmxGeometry, earlier);
        tvx::storeGeometry(rec, setup::DmxGeometry, c.closing);
        EXPECT_EQ(rec.get(setup::DmxGeometry), c.stored);
        EXPECT_EQ(rec.get(setup::DmxSourceColumnWidths, 0), 0); // next field untouched
        EXPECT_EQ(rec.get(setup::DmxManufacturerFilterOn), 0);
    }
}

TEST(GeometryRestore, AppliesOnlyUsableValues)
{
    struct Case {
        const char* name;
        WindowGeometry stored;
        GeometryRestore expected;
    };
    const Case cases[] = {
        {"never stored", {0, 0, 0, 0, 0}, {std::nullopt, std::nullopt, 0, 0, false}},
        {"height 150 not applied", {150, 800, 10, 10, 0}, {std::nullopt, 800, 10, 10, false}},
        {"height 151 applied", {151, 800, 10, 10, 0}, {151, 800, 10, 10, false}},
        {"width 400 not applied", {300, 400, 10, 10, 0}, {300, std::nullopt, 10, 10, false}},
        {"width 401 applied", {300, 401, 10, 10, 0}, {300, 401, 10, 10, false}},
        {"top -1 not applied", {300, 500, -1, 0, 0}, {300, 500, std::nullopt, 0, false}},
        {"left -1 not applied", {300, 500, 0, -1, 0}, {300, 500, 0, std::nullopt, false}},
        {"maximized", {300, 500, 0, 0, 1}, {300, 500, 0, 0, true}},
        {"minimized restores normal", {300, 500, 0, 0, 2}, {300, 500, 0, 0, false}},
        {"unknown state gives normal", {300, 500, 0, 0, 7}, {300, 500, 0, 0, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tvx::restoreGeometry(c.stored), c.expected);
    }
}

TEST(GeometryRestore, ReadsTheBlockFromTheRecord)
{
    SetupRecord rec;
    rec.set(setup::FixtureDatabaseGeometry, WindowGeometry{600, 900, 40, 50, 1});
    const GeometryRestore r = tvx::restoreGeometry(rec, setup::FixtureDatabaseGeometry);
    EXPECT_EQ(r, (GeometryRestore{600, 900, 40, 50, true}));
}

TEST(GeometryColumnWidth, AppliedOnlyAboveOne)
{
    EXPECT_FALSE(tvx::columnWidthApplies(-5));
    EXPECT_FALSE(tvx::columnWidthApplies(0));
    EXPECT_FALSE(tvx::columnWidthApplies(1));
    EXPECT_TRUE(tvx::columnWidthApplies(2));
}

} // namespace
