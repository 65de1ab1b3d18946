// The container in a file: what a save replaces and keeps, what a load refuses, and write errors.
#include "project_container.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

ComponentDataSets SmallSets(unsigned char fill)
{
    ComponentDataSets sets;
    sets.origin = {fill, 1, 2};
    sets.design = {fill};
    sets.adjustment = {};
    return sets;
}

std::string ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ContainerError& e) {
        return e.what();
    }
    return "";
}

class ContainerFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("pm001_container_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Path(const char* name) const { return (dir / name).string(); }
    std::size_t Entries() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
    }

    fs::path dir;
};

} // namespace

TEST_F(ContainerFile, SavedSetsLoadBackAndNoTemporaryFileStays)
{
    const std::string path = Path("pier.pm001");
    SaveContainer(path, SmallSets(7));
    EXPECT_EQ(LoadContainer(path).origin, SmallSets(7).origin);
    SaveContainer(path, SmallSets(9));
    EXPECT_EQ(LoadContainer(path).design, SmallSets(9).design);
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(ContainerFile, AnExistingFileKeepsItsMode)
{
    const std::string path = Path("private.pm001");
    SaveContainer(path, SmallSets(1));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    SaveContainer(path, SmallSets(2));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(ContainerFile, ASymbolicLinkIsFollowedAndTheFileItNamesReplaced)
{
    const std::string real = Path("real.pm001");
    const std::string link = Path("link.pm001");
    SaveContainer(real, SmallSets(1));
    fs::create_symlink("real.pm001", link);   // relative to the link's folder
    SaveContainer(link, SmallSets(2));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(LoadContainer(real).origin, SmallSets(2).origin);

    // A dangling link: the save creates the file it names.
    const std::string dangling = Path("dangling.pm001");
    fs::create_symlink("made.pm001", dangling);
    SaveContainer(dangling, SmallSets(3));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(LoadContainer(Path("made.pm001")).origin, SmallSets(3).origin);
}

TEST_F(ContainerFile, ATargetThatIsNoRegularFileIsRefusedAndKept)
{
    const std::string folder = Path("folder");
    fs::create_directories(folder + "/inner");
    const std::string fifo = Path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink("folder", Path("to_folder"));
    for (const std::string& target : {folder, fifo, Path("to_folder")}) {
        SCOPED_TRACE(target);
        EXPECT_EQ(ErrorOf([&] { SaveContainer(target, SmallSets(1)); }), "\"" + target + "\" is not a regular file");
    }
    EXPECT_TRUE(fs::is_directory(folder + "/inner"));
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(Entries(), 3u);
    EXPECT_EQ(ErrorOf([] { SaveContainer("/dev/null", SmallSets(1)); }), "\"/dev/null\" is not a regular file");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(ContainerFile, AnEmptyNameIsRefused)
{
    EXPECT_EQ(ErrorOf([] { SaveContainer("", SmallSets(1)); }), "the name of the file to save to is empty");
}

// A save killed after writing its temporary file leaves it behind; the next save to the same
// target takes it over, and nothing of it remains.
TEST_F(ContainerFile, TheTemporaryFileOfAKilledSaveIsRemovedByTheNextSave)
{
    const std::string path = Path("pier.pm001");
    std::ofstream(Path(".pier.pm001.pm001-saving")) << "half a container";
    SaveContainer(path, SmallSets(4));
    EXPECT_EQ(LoadContainer(path).origin, SmallSets(4).origin);
    EXPECT_EQ(Entries(), 1u);
}

// A file size limit makes the write fail as a full device would: the error is reported, the old
// file stays, no temporary file remains.
TEST_F(ContainerFile, AWriteErrorIsReportedAndTheOldFileKept)
{
    const std::string path = Path("pier.pm001");
    SaveContainer(path, SmallSets(5));
    ComponentDataSets large;
    large.origin.assign(100000, 0xAB);

    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string error = ErrorOf([&] { SaveContainer(path, large); });
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(error.rfind("cannot write \"" + path + "\": ", 0), 0u) << error;
    EXPECT_EQ(LoadContainer(path).origin, SmallSets(5).origin);
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(ContainerFile, LoadRefusesWhatIsNoRegularFileWithoutWaiting)
{
    const std::string fifo = Path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // A FIFO without a writer would block an ordinary open for ever.
    EXPECT_EQ(ErrorOf([&] { LoadContainer(fifo); }), "\"" + fifo + "\" is not a regular file");
    EXPECT_EQ(ErrorOf([&] { LoadContainer(dir.string()); }), "\"" + dir.string() + "\" is not a regular file");
    EXPECT_EQ(ErrorOf([] { LoadContainer("/dev/zero"); }), "\"/dev/zero\" is not a regular file");
    EXPECT_NE(ErrorOf([&] { LoadContainer(Path("missing")); }).find("No such file"), std::string::npos);
}

// A sparse file larger than three data sets of the largest length is refused before a byte is read.
TEST_F(ContainerFile, LoadRefusesAFileLargerThanAnyContainer)
{
    const std::string huge = Path("huge.pm001");
    std::ofstream(huge).put('P');
    const std::uintmax_t largest = 8 + 4 + 3 * (8 + 0xFFFFFFFFull);
    std::error_code ec;
    fs::resize_file(huge, largest + 1, ec);
    if (ec) GTEST_SKIP() << "this file system holds no sparse file of that size";
    EXPECT_NE(ErrorOf([&] { LoadContainer(huge); }).find("is larger than any stored pm001 component"), std::string::npos);
    fs::resize_file(huge, 20);
    EXPECT_NE(ErrorOf([&] { LoadContainer(huge); }).find("PM001CMP"), std::string::npos);
}
