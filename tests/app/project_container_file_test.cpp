// The container in a file: what a save replaces and keeps, what a load refuses, and write errors.
#include "project_container.h"
#include "project_session.h"
#include "temp_folder.h"

#include "host/register_p2.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <linux/capability.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
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
    std::string Path(const char* name) const { return (dir / name).string(); }
    std::size_t Entries() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
    }

    const TempFolder folder{"pm001_container"};
    const fs::path& dir = folder.path();
};

int folderSyncError = 0;   // what a folder's sync fails with while not 0

// Lowers from this thread's effective set the two capabilities that pass over the files'
// permissions (as root's do), or raises them again; false where it cannot.
bool HeldToPermissions(bool held)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[_LINUX_CAPABILITY_U32S_3]{};
    const std::uint32_t passing = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
    if (::syscall(SYS_capget, &header, caps) != 0) return false;
    caps[0].effective = held ? caps[0].effective & ~passing : caps[0].effective | (caps[0].permitted & passing);
    return ::syscall(SYS_capset, &header, caps) == 0;
}

// A component that notes the format version each of its data sets is loaded with.
struct CVersionNotingComponent : CComponentNorm {
    DECLARE_DYNCREATE(CVersionNotingComponent)
    void SerializeOriginData(CArchive& ar) override { seen.push_back(ar.GetFormatVersion()); }
    void SerializeDesignData(CArchive& ar) override { seen.push_back(ar.GetFormatVersion()); }
    void SerializeAdjustData(CArchive& ar) override { seen.push_back(ar.GetFormatVersion()); }
    std::vector<UINT> seen;
};
IMPLEMENT_DYNCREATE(CVersionNotingComponent, CComponentNorm)

} // namespace

// Every fsync of this program: the system's own, but a folder's fails with folderSyncError if set.
extern "C" int fsync(int fd)
{
    struct stat info {};
    if (folderSyncError != 0 && ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        errno = folderSyncError;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

TEST_F(ContainerFile, SavedSetsLoadBackAndNoTemporaryFileStays)
{
    const std::string path = Path("pier.pm001");
    SaveContainer(path, SmallSets(7));
    EXPECT_EQ(LoadContainer(path).origin, SmallSets(7).origin);
    SaveContainer(path, SmallSets(9));
    EXPECT_EQ(LoadContainer(path).design, SmallSets(9).design);
    EXPECT_EQ(Entries(), 1u);
}

// A save writes the version of the docs' table, the newest a load reads, and a load hands it to
// every data set's archive; every version from the first up to it loads as itself, others are refused.
using ContainerVersion = ContainerFile;
TEST_F(ContainerVersion, TheVersionWrittenIsTheDocumentedOneAndTheNewestRead)
{
    std::ifstream docs(std::string(PM001_SOURCE_DIR) + "/docs/archive-format.md");
    const std::string text{std::istreambuf_iterator<char>(docs), {}};
    EXPECT_NE(text.find("\n| 4 | format version, " + std::to_string(kContainerVersion) + " |\n"), std::string::npos);

    RegisterP2(0x7E57, 0x7E57, RUNTIME_CLASS(CVersionNotingComponent));
    std::vector<unsigned char> file = EncodeContainer(ComponentDataSets{});
    EXPECT_EQ(file[8], kContainerVersion);
    for (std::uint32_t version = 0; version <= kContainerVersion + 1; ++version) {
        file[8] = static_cast<unsigned char>(version);
        const bool known = version >= kFirstContainerVersion && version <= kContainerVersion;
        ProjectSession session(0x7E57);
        EXPECT_EQ(ErrorOf([&] { session.Load(DecodeContainer(file, "c")); }).empty(), known) << version;
        EXPECT_EQ(dynamic_cast<CVersionNotingComponent&>(session.Component()).seen, std::vector<UINT>(known ? 3 : 0, version));
    }
}

TEST_F(ContainerFile, AnExistingFileKeepsItsMode)
{
    const std::string path = Path("private.pm001");
    SaveContainer(path, SmallSets(1));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    SaveContainer(path, SmallSets(2));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);

    // Set-user-id, set-group-id and sticky bits are never carried: the new file is the saver's.
    const struct { mode_t before, after; } cases[] = {
        {04750, 0750}, {02750, 0750}, {01750, 0750}, {07777, 0777}, {0640, 0640}};
    for (const auto& c : cases) {
        ASSERT_EQ(::chmod(path.c_str(), c.before), 0);
        SaveContainer(path, SmallSets(3));
        struct stat saved {};
        ASSERT_EQ(::stat(path.c_str(), &saved), 0);
        EXPECT_EQ(saved.st_mode & 07777, c.after) << std::oct << c.before;
        EXPECT_EQ(saved.st_uid, ::geteuid());
    }
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
        EXPECT_EQ(ErrorOf([&] { SaveContainer(target, SmallSets(1)); }), "cannot save to \"" + target + "\": not a regular file");
    }
    EXPECT_TRUE(fs::is_directory(folder + "/inner"));
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(Entries(), 3u);
}

// A loop of symbolic links is refused, not followed for ever.
TEST_F(ContainerFile, ALoopOfSymbolicLinksIsRefused)
{
    fs::create_symlink("b.pm001", Path("a.pm001"));
    fs::create_symlink("a.pm001", Path("b.pm001"));
    EXPECT_EQ(ErrorOf([&] { SaveContainer(Path("a.pm001"), SmallSets(1)); }),
              "cannot save to \"" + Path("a.pm001") + "\": " + std::strerror(ELOOP));
    EXPECT_EQ(Entries(), 2u);
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

// A left-over at the temporary name (links, FIFO, another's file) is removed, not written through.
TEST_F(ContainerFile, ALeftOverAtTheTemporaryNameIsRemovedNotWrittenThrough)
{
    const std::string path = Path("pier.pm001"), temporary = Path(".pier.pm001.pm001-saving");
    const std::string other = Path("other.txt");
    const std::function<void()> plant[] = {
        [&] { fs::create_hard_link(other, temporary); },
        [&] { fs::create_symlink("other.txt", temporary); },
        [&] { ASSERT_EQ(::mkfifo(temporary.c_str(), 0600), 0); },
        [&] {
            std::ofstream(temporary) << "planted";
            if (::geteuid() == 0) {
                ASSERT_EQ(::chown(temporary.c_str(), 65534, 65534), 0);
            }
        },
    };
    for (const auto& leftOver : plant) {
        std::ofstream(other) << "another file";
        leftOver();
        SaveContainer(path, SmallSets(6));
        EXPECT_EQ(LoadContainer(path).origin, SmallSets(6).origin);
        std::ifstream in(other);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "another file");
        EXPECT_FALSE(fs::exists(fs::symlink_status(temporary)));
        struct stat saved {};
        ASSERT_EQ(::stat(path.c_str(), &saved), 0);
        EXPECT_EQ(saved.st_uid, ::geteuid());
        fs::remove(path);
    }
}

// The temporary file of a save still running is locked: a second save is refused and leaves it.
TEST_F(ContainerFile, ASaveRunningAtTheSameTimeRefusesTheSecond)
{
    const std::string path = Path("pier.pm001"), temporary = Path(".pier.pm001.pm001-saving");
    std::ofstream(temporary) << "being written";
    const int fd = ::open(temporary.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    EXPECT_EQ(ErrorOf([&] { SaveContainer(path, SmallSets(8)); }), "cannot save to \"" + path + "\": another save to the same file is in progress");
    ::close(fd);
    EXPECT_TRUE(fs::is_regular_file(temporary));
    EXPECT_FALSE(fs::exists(path));
    SaveContainer(path, SmallSets(8));   // the lock gone, the file is a left-over
    EXPECT_EQ(Entries(), 1u);
}

// Names up to 255 bytes save, each with a temporary name of its own (names alike in 240 bytes too).
TEST_F(ContainerFile, NamesUpToTheLongestAFileMayHaveAreSaved)
{
    const std::string multibyte = std::string(239, 'p') + "墩墩墩墩墩";   // 239 + 5 * 3 = 254 bytes
    for (const std::string& name : {std::string(240, 'p'), std::string(241, 'p'), std::string(242, 'p'),
                                    std::string(255, 'p'), std::string(254, 'p') + "q", multibyte}) {
        SCOPED_TRACE(name.size());
        const std::string path = (dir / name).string();
        EXPECT_EQ(ErrorOf([&] { SaveContainer(path, SmallSets(static_cast<unsigned char>(name.size()))); }), "");
        EXPECT_EQ(LoadContainer(path).origin, SmallSets(static_cast<unsigned char>(name.size())).origin);
    }
    EXPECT_EQ(Entries(), 6u);
    EXPECT_EQ(LoadContainer((dir / std::string(255, 'p')).string()).origin, SmallSets(255).origin);
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

    EXPECT_EQ(error, "cannot save to \"" + path + "\": " + std::strerror(EFBIG));
    EXPECT_EQ(LoadContainer(path).origin, SmallSets(5).origin);
    EXPECT_EQ(Entries(), 1u);
}

// Only the folder's sync failing, or its opening (a folder the user may write in but not read, mode
// 0300): the error says the new component is in place.
TEST_F(ContainerFile, AFolderThatCannotBeSyncedIsReportedWithTheComponentInPlace)
{
    const std::string path = Path("pier.pm001");
    SaveContainer(path, SmallSets(5));
    folderSyncError = EIO;
    const std::string error = ErrorOf([&] { SaveContainer(path, SmallSets(6)); });
    folderSyncError = 0;
    EXPECT_EQ(error, "the component is in place in \"" + path + "\", but its folder \"" + dir.string() +
                         "\" could not be synced: " + std::strerror(EIO));
    EXPECT_EQ(LoadContainer(path).origin, SmallSets(6).origin);
    EXPECT_EQ(Entries(), 1u);

    ASSERT_EQ(::chmod(dir.c_str(), 0300), 0);
    const bool held = HeldToPermissions(true);
    const std::string unopened = held ? ErrorOf([&] { SaveContainer(path, SmallSets(7)); }) : "";
    ASSERT_TRUE(!held || HeldToPermissions(false));
    ASSERT_EQ(::chmod(dir.c_str(), 0700), 0);
    if (!held) GTEST_SKIP() << "this process cannot be held to the files' permissions";
    EXPECT_EQ(unopened, "the component is in place in \"" + path + "\", but its folder \"" + dir.string() +
                            "\" could not be synced: " + std::strerror(EACCES));
    EXPECT_EQ(LoadContainer(path).origin, SmallSets(7).origin);
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

// Bad marks or lengths stop a read before a set is asked for; a source that shrank or grew is refused.
TEST(ContainerPieces, LengthsAreCheckedBeforeTheSetsAreAskedFor)
{
    using Bytes = std::vector<unsigned char>;
    const Bytes head = {'P', 'M', '0', '0', '1', 'C', 'M', 'P', 1, 0, 0, 0}, longest = {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0};
    const Bytes empty(8, 0);   // length 0 and CRC-32 0: an empty set
    const auto join = [](std::initializer_list<Bytes> parts) {
        Bytes all;
        for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
        return all;
    };
    const std::uint64_t twoGiB = std::uint64_t{1} << 31, twelveGiB = std::uint64_t{12} << 30;
    // The source begins with `bytes`, zeros after; claims `size`, gives `yields`; `asked` bytes at most.
    const struct { Bytes bytes; std::uint64_t size, yields; std::string error; std::size_t asked; } cases[] = {
        {Bytes{'P', 'M', '0', '0', '1', 'C', 'M', 'Q'}, twelveGiB, twelveGiB,
         "c: not a stored pm001 component (no PM001CMP mark) at byte 0", 8},
        {join({head, longest}), twoGiB, twoGiB, "c: the origin data set is longer than the file at byte 12", 20},
        {join({head, empty, longest}), twoGiB, twoGiB, "c: the design data set is longer than the file at byte 20", 28},
        // Mark and version 12, the three headers 24 read twice (lengths, then sets), 1 more: 61.
        {join({head, empty, empty, empty}), 36, 36, "", 61},
        {join({head, empty, empty, empty}), 36, 37, "c: unexpected bytes after the last data set at byte 36", 61},
        // 12 + 8 + 16 + 8 + 8 = 52 bytes of sets, not the 12 GiB claimed: no set is asked for.
        {join({head, Bytes{16, 0, 0, 0, 0, 0, 0, 0}}), twelveGiB, twelveGiB,
         "c: unexpected bytes after the last data set at byte 52", 36},
        {join({head, Bytes{4, 0, 0, 0, 0, 0, 0, 0}, empty, empty}), 40, 22,
         "c: the file ends inside the length of the design data set at byte 24", 24},
        {join({head, empty, empty, empty}), 40, 36, "c: unexpected bytes after the last data set at byte 36", 36},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        std::size_t asked = 0;
        const ContainerBytesAt bytesAt = [&](std::uint64_t offset, unsigned char* into, std::size_t count) {
            asked += count;
            std::size_t n = 0;
            for (; n < count && offset + n < c.yields; ++n) into[n] = offset + n < c.bytes.size() ? c.bytes[offset + n] : 0;
            return n;
        };
        EXPECT_EQ(ErrorOf([&] { DecodeContainer(c.size, bytesAt, "c"); }), c.error);
        EXPECT_LE(asked, c.asked);
    }
}
