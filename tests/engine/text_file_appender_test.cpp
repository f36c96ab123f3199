#include "text_file_appender.h"

#include "fifo.h"
#include "temporary_directory.h"
#ifndef _WIN32
#include "file_size_limit.h"
#endif

#include <gtest/gtest.h>

#include <filesystem>

namespace vemlik {
namespace {

class TextFileAppenderTest : public ::testing::Test {
protected:
    // Opens, appends each text and closes; true when every append succeeded.
    bool appendAll(const std::string& name, std::initializer_list<std::string_view> texts) {
        TextFileAppender file;
        bool all = file.open(directory.fileName(name));
        for (const std::string_view text : texts) {
            all = file.append(text) == AppendOutcome::Written && all;
        }
        return all;
    }

    testing::TemporaryDirectory directory;
};

TEST_F(TextFileAppenderTest, NewFileIsWrittenInUtf8AndRefusesWhatIsNotUtf8) {
    EXPECT_TRUE(appendAll("a.pre", {"Teplota 20 C\r\n", "kůň\r\n"}));
    EXPECT_FALSE(appendAll("a.pre", {"třetí\r\n", "bad \xFF byte"}));
    EXPECT_EQ(directory.read("a.pre"), "Teplota 20 C\r\nkůň\r\ntřetí\r\n");
}

// The file is judged in pieces: a character split between two pieces must not make a UTF-8
// file look like Windows-1250, and a bad byte far from the start must be seen.
TEST_F(TextFileAppenderTest, EncodingIsJudgedOnTheWholeFile) {
    for (std::size_t split = 65532; split <= 65536; ++split) {
        directory.write("utf8.pre", std::string(split, 'a') + "čř\r\n");
        EXPECT_TRUE(appendAll("utf8.pre", {"č"}));
        EXPECT_EQ(directory.read("utf8.pre").substr(split + 6), "č") << split;
    }
    directory.write("late.pre", std::string(200000, 'a') + "\xE8");
    EXPECT_TRUE(appendAll("late.pre", {"č"}));
    EXPECT_EQ(directory.read("late.pre").substr(200000), "\xE8\xE8");
}

// A text is in the file whole or not at all, also when the disk fills up during it, so that
// the next append is not glued onto a piece of it.
TEST_F(TextFileAppenderTest, FailedWriteLeavesTheFileAsItWas) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows cannot limit a process's file size to stand in for a full disk";
#else
    directory.write("a.pre", "36 km/h       =  10,000 m/s\r\n");
    {
        const testing::FileSizeLimit diskFull(
            std::filesystem::file_size(directory.path() / "a.pre") + 4);
        EXPECT_FALSE(appendAll("a.pre", {"Převod z km/h na m/s\r\n36\t10,000\r\n \r\n"}));
    }
    EXPECT_EQ(directory.read("a.pre"), "36 km/h       =  10,000 m/s\r\n");
#endif
}

// A FIFO without a reader would hold the window in open() (here: until the test times out),
// and one with a reader that goes away would end the program at the next write.
TEST_F(TextFileAppenderTest, RefusesAFifoAndAppendsNothingWhenNotOpen) {
    const testing::Fifo fifo(directory);
    ASSERT_TRUE(fifo.made());
    TextFileAppender file;
    EXPECT_EQ(file.append("nothing open"), AppendOutcome::Failed);
    EXPECT_FALSE(file.open(fifo.name()));
}

} // namespace
} // namespace vemlik
