// Reading a whole input file within a bound, without waiting on what is not a regular file.
#include "common/input_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

TEST(InputFile, AWholeFileIsReadOnlyWithinTheBound)
{
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("pm001_input_file_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "ten", std::ios::binary) << "0123456789";
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);

    struct Case {
        std::string path;
        std::uint64_t limit;
        WholeFileRead::State state;
        std::string text;   // "*": any text longer than the bound below it
    } const cases[] = {
        {(dir / "ten").string(), 10, WholeFileRead::Read, "0123456789"},   // exactly the bound
        {(dir / "ten").string(), 9, WholeFileRead::TooLarge, ""},          // one byte over it
        {(dir / "fifo").string(), 10, WholeFileRead::NotRegular, ""},      // not waited on
        {dir.string(), 10, WholeFileRead::NotRegular, ""},
        {(dir / "none").string(), 10, WholeFileRead::CannotOpen, ""},
        // A file that holds more than its size said (as one that grew after it was opened): read
        // to its end within the bound, refused beyond it.
        {"/proc/self/cmdline", 1u << 20, WholeFileRead::Read, "*"},
        {"/proc/self/cmdline", 4, WholeFileRead::TooLarge, ""},
    };
    for (const Case& c : cases) {
        std::string text = "left over";
        const WholeFileRead read = ReadWholeFile(c.path, c.limit, text);
        EXPECT_EQ(read.state, c.state) << c.path << " within " << c.limit;
        if (c.text == "*")
            EXPECT_GT(text.size(), 4u) << c.path;
        else
            EXPECT_EQ(text, c.text) << c.path << " within " << c.limit;
    }
    std::string text;
    EXPECT_EQ(ReadWholeFile((dir / "none").string(), 10, text).error, ENOENT);
    std::filesystem::remove_all(dir);
}
