#include "setup/SetupFile.h"

#include "common/Error.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;
namespace setup = tvx::setup;
using tvx::SetupLoadStatus;

class SetupFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path()
              / ("tvx-setup-" + std::string(info->name()) + "-" + std::to_string(std::random_device{}()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        file = dir / "TvxSetup.tvx";
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir, ec);
    }

    static std::string readAll(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void writeAll(const fs::path& p, const std::string& bytes)
    {
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    // A whole record with a recognisable value in every byte.
    static std::string patternRecord(std::size_t size = setup::RecordSize)
    {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>((i * 7 + 3) % 251);
        return bytes;
    }

    fs::path dir;
    fs::path file;
};

TEST_F(SetupFileTest, MissingFileIsCreatedAsZeroRecord)
{
    const tvx::SetupLoadResult r = tvx::loadSetupFile(file);
    EXPECT_EQ(r.status, SetupLoadStatus::CreatedNew);
    EXPECT_TRUE(r.message.empty());
    EXPECT_EQ(r.record, tvx::SetupRecord{});
    EXPECT_EQ(readAll(file), std::string(setup::RecordSize, '\0'));
}

TEST_F(SetupFileTest, MissingFileInMissingFolderReportsCreateFailure)
{
    const fs::path nowhere = dir / "no-such-folder" / "TvxSetup.tvx";
    const tvx::SetupLoadResult r = tvx::loadSetupFile(nowhere);
    EXPECT_EQ(r.status, SetupLoadStatus::CreateFailed);
    EXPECT_NE(r.message.find("TvxSetup.tvx"), std::string::npos) << r.message;
    EXPECT_EQ(r.record, tvx::SetupRecord{});
    EXPECT_FALSE(fs::exists(dir / "no-such-folder"));
}

TEST_F(SetupFileTest, UnusedBytesSurviveLoadAndSave)
{
    // Another tool wrote every byte, including the ones the program never uses.
    const std::string original = patternRecord();
    writeAll(file, original);

    tvx::SetupLoadResult r = tvx::loadSetupFile(file);
    ASSERT_EQ(r.status, SetupLoadStatus::Loaded);
    r.record.set(setup::UserName, "XY");
    r.record.markSaved();
    tvx::saveSetupFile(file, r.record);

    const std::string saved = readAll(file);
    ASSERT_EQ(saved.size(), setup::RecordSize);
    EXPECT_EQ(saved.substr(8, 4), original.substr(8, 4));
    EXPECT_EQ(saved.substr(32, 4), original.substr(32, 4));
    EXPECT_EQ(saved.substr(52, 76), original.substr(52, 76));
    EXPECT_EQ(saved.substr(setup::UnusedTailOffset), original.substr(setup::UnusedTailOffset));
    // Only the marker, the length byte and the two characters changed.
    EXPECT_EQ(saved.substr(0, 4), std::string("\x01\x00\x00\x00", 4));
    EXPECT_EQ(saved.substr(776, 3), "\x02XY");
    EXPECT_EQ(saved.substr(779), original.substr(779));
    EXPECT_EQ(saved.substr(4, 772), original.substr(4, 772));
}

TEST_F(SetupFileTest, LongerFileGivesItsFirstRecord)
{
    const std::string bytes = patternRecord(setup::RecordSize + 1000);
    writeAll(file, bytes);

    const tvx::SetupLoadResult r = tvx::loadSetupFile(file);
    EXPECT_EQ(r.status, SetupLoadStatus::Loaded);
    EXPECT_EQ(r.record.byteView(), bytes.substr(0, setup::RecordSize));
    EXPECT_EQ(readAll(file), bytes); // loading never rewrites an existing file

    tvx::saveSetupFile(file, r.record);
    EXPECT_EQ(readAll(file).size(), setup::RecordSize);
}

TEST_F(SetupFileTest, ShortFileKeepsItsBytesAndIsCopiedAside)
{
    const std::string bytes = patternRecord(1000);
    writeAll(file, bytes);
    writeAll(dir / "TvxSetup.tvx.bad", "older copy");

    const tvx::SetupLoadResult r = tvx::loadSetupFile(file);
    EXPECT_EQ(r.status, SetupLoadStatus::Short);
    EXPECT_EQ(r.record.byteView().substr(0, 1000), bytes);
    EXPECT_EQ(r.record.byteView().substr(1000), std::string(setup::RecordSize - 1000, '\0'));

    // An earlier copy is never replaced.
    EXPECT_EQ(r.damagedCopy, dir / "TvxSetup.tvx.bad1");
    EXPECT_EQ(readAll(r.damagedCopy), bytes);
    EXPECT_EQ(readAll(dir / "TvxSetup.tvx.bad"), "older copy");
    EXPECT_NE(r.message.find(r.damagedCopy.string()), std::string::npos) << r.message;
    EXPECT_EQ(readAll(file), bytes);
}

TEST_F(SetupFileTest, EmptyFileCountsAsShort)
{
    writeAll(file, "");
    const tvx::SetupLoadResult r = tvx::loadSetupFile(file);
    EXPECT_EQ(r.status, SetupLoadStatus::Short);
    EXPECT_EQ(r.record, tvx::SetupRecord{});
    EXPECT_EQ(r.damagedCopy, dir / "TvxSetup.tvx.bad");
    EXPECT_TRUE(fs::exists(r.damagedCopy));
}

TEST_F(SetupFileTest, UnreadableFileIsReportedAndLeftAlone)
{
    fs::create_directory(file); // a folder where the file should be
    const tvx::SetupLoadResult r = tvx::loadSetupFile(file);
    EXPECT_EQ(r.status, SetupLoadStatus::ReadFailed);
    EXPECT_FALSE(r.message.empty());
    EXPECT_EQ(r.record, tvx::SetupRecord{});
    EXPECT_TRUE(fs::is_directory(file));
}

TEST_F(SetupFileTest, FileWithoutReadPermission)
{
    const std::string bytes = patternRecord();
    writeAll(file, bytes);
    fs::permissions(file, fs::perms::none);
    if (std::ifstream(file, std::ios::binary).good())
        GTEST_SKIP() << "permissions are not enforced for this user";

    const tvx::SetupLoadResult r = tvx::loadSetupFile(file);
    EXPECT_EQ(r.status, SetupLoadStatus::ReadFailed);
    EXPECT_NE(r.message.find("TvxSetup.tvx"), std::string::npos);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(readAll(file), bytes);
}

TEST_F(SetupFileTest, SaveWritesExactlyOneRecordOrThrows)
{
    tvx::SetupRecord rec;
    rec.set(setup::RoadCaseUnits, 1);
    writeAll(file, patternRecord(setup::RecordSize + 5));
    tvx::saveSetupFile(file, rec);
    EXPECT_EQ(readAll(file), std::string(rec.byteView()));
    // The record is written as it is: marking it saved is the caller's step.
    EXPECT_EQ(rec.get(setup::SaveMarker), 0);

    EXPECT_THROW(tvx::saveSetupFile(dir / "missing" / "TvxSetup.tvx", rec), tvx::FileError);
}

} // namespace
