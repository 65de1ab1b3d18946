// Reading a whole input file within a bound, without waiting on what is not a regular file.
#include "common/input_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>

TEST(InputFile, AWholeFileIsReadOnlyWithinTheBound)
{
    const TempFolder folder("pm001_input_file");
    const std::filesystem::path& dir = folder.path();
    std::ofstream(dir / "ten", std::ios::binary) << "0123456789";
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);

    const std::string ten = (dir / "ten").string();
    // `text` "*": any text longer than 4 bytes.
    const struct { std::string path; std::uint64_t limit; WholeFileRead::State state; std::string text; } cases[] = {
        {ten, 10, WholeFileRead::Read, "0123456789"},                   // exactly the bound
        {ten, 9, WholeFileRead::TooLarge, ""},                          // one byte over it
        {(dir / "fifo").string(), 10, WholeFileRead::NotRegular, ""},   // not waited on
        {dir.string(), 10, WholeFileRead::NotRegular, ""},
        {(dir / "none").string(), 10, WholeFileRead::CannotOpen, ""},   // ENOENT below
        // Holds more than its size said (as a file grown after opening): read within the bound only.
        {"/proc/self/cmdline", 1u << 20, WholeFileRead::Read, "*"},
        {"/proc/self/cmdline", 4, WholeFileRead::TooLarge, ""},
    };
    for (const auto& c : cases) {
        std::string text = "left over";
        const WholeFileRead read = ReadWholeFile(c.path, c.limit, text);
        SCOPED_TRACE(c.path + " within " + std::to_string(c.limit));
        EXPECT_EQ(read.state, c.state);
        if (c.state == WholeFileRead::CannotOpen) {
            EXPECT_EQ(read.error, ENOENT);
        }
        if (c.text == "*")
            EXPECT_GT(text.size(), 4u);
        else
            EXPECT_EQ(text, c.text);
    }
}
