#include "common/AtomicFile.h"
#include "common/Error.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct TempDir {
    fs::path path;
    TempDir()
    {
        path = fs::temp_directory_path() /
               ("tvx-atomic-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
    std::size_t entries() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(path), fs::directory_iterator()));
    }
};

} // namespace

TEST(AtomicFile, ReplacesContentAndLeavesNoTemporary)
{
    TempDir dir;
    const fs::path file = dir.path / "list.EL3";
    tvx::writeFileAtomic(file, std::string("old\0bytes", 9));
    tvx::writeFileAtomic(file, "new");
    EXPECT_EQ(readAll(file), "new");
    EXPECT_EQ(dir.entries(), 1u);
}

TEST(AtomicFile, FailedWriteKeepsTargetAndCleansUp)
{
    TempDir dir;
    // A non-empty folder cannot be replaced by a file: the rename fails.
    const fs::path target = dir.path / "busy";
    fs::create_directories(target / "inside");
    EXPECT_THROW(tvx::writeFileAtomic(target, "data"), tvx::FileError);
    EXPECT_TRUE(fs::is_directory(target / "inside"));
    EXPECT_EQ(dir.entries(), 1u);

    // A folder that does not exist cannot take the temporary file.
    EXPECT_THROW(tvx::writeFileAtomic(dir.path / "missing" / "x.tvx", "data"), tvx::FileError);
}
