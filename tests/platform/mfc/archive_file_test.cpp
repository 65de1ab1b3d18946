// Whole-file archives: read back what was written, replace atomically, name the path on failure.
#include "archive_bytes.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

class ArchiveFile : public ::testing::Test {
protected:
    std::size_t entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator())); }

    const TempFolder folder{"pm001_archive_file"};
    const fs::path& dir = folder.path();
};

std::string messageOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST_F(ArchiveFile, WrittenBytesReadBackAndReplaceTheOldFile)
{
    const std::string path = (dir / "pier.dat").string();
    WriteArchiveFile(path, bytes({1, 2, 3}));
    EXPECT_EQ(ReadArchiveFile(path), bytes({1, 2, 3}));
    WriteArchiveFile(path, bytes({9}));
    EXPECT_EQ(ReadArchiveFile(path), bytes({9}));
    WriteArchiveFile(path, Bytes{});
    EXPECT_EQ(ReadArchiveFile(path), Bytes{});
    // No temporary file stays behind.
    EXPECT_EQ(entries(), 1u);
}

TEST_F(ArchiveFile, LargeContentReadsWhole)
{
    const std::string path = (dir / "big.dat").string();
    Bytes big(200000);
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<unsigned char>(i * 7);
    WriteArchiveFile(path, big);
    EXPECT_EQ(ReadArchiveFile(path), big);
}

TEST_F(ArchiveFile, FailuresNameThePath)
{
    const std::string missing = (dir / "missing.dat").string();
    EXPECT_NE(messageOf([&] { ReadArchiveFile(missing); }).find(missing), std::string::npos);
    EXPECT_NE(messageOf([&] { ReadArchiveFile(dir.string()); }).find(dir.string()), std::string::npos);

    const std::string nowhere = (dir / "no" / "such" / "dir.dat").string();
    EXPECT_NE(messageOf([&] { WriteArchiveFile(nowhere, bytes({1})); }).find(nowhere), std::string::npos);

    // The target is a directory: the rename fails, the directory stays, no temporary remains.
    const fs::path target = dir / "taken";
    fs::create_directories(target / "inner");
    EXPECT_NE(messageOf([&] { WriteArchiveFile(target.string(), bytes({1})); }).find(target.string()), std::string::npos);
    EXPECT_TRUE(fs::is_directory(target / "inner"));
    EXPECT_EQ(entries(), 1u);
}
