#include "text_file_appender.h"

#include "file_permissions_hold.h"
#include "file_size_limit.h"
#include "temporary_directory.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sys/stat.h>

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

// The start and the end of a file are judged, in pieces: a character split between two pieces,
// or cut by the start or the end of what is judged, must not make a UTF-8 file look like
// Windows-1250, and a bad byte at the end of a long line must be seen.
TEST_F(TextFileAppenderTest, EncodingIsJudgedOnTheStartAndTheEndOfTheFile) {
    for (std::size_t split = 65532; split <= 65536; ++split) {
        directory.write("utf8.pre", std::string(split, 'a') + "čř\r\n");
        EXPECT_TRUE(appendAll("utf8.pre", {"č"}));
        EXPECT_EQ(directory.read("utf8.pre").substr(split + 6), "č") << split;
    }
    const std::string cut = std::string(65535, 'a') + "č" + std::string(9, 'a') + "ř" +
                            std::string(65533, 'a') + "\r\n";
    directory.write("cut.pre", cut);
    EXPECT_TRUE(appendAll("cut.pre", {"č"}));
    EXPECT_EQ(directory.read("cut.pre").substr(cut.size()), "č");
    directory.write("late.pre", std::string(200000, 'a') + "\xE8");
    EXPECT_TRUE(appendAll("late.pre", {"č"}));
    EXPECT_EQ(directory.read("late.pre").substr(200000), "\xE8\xE8");
}

// A file of 1 TiB (sparse, so that it takes no room) opens as a small one does, in the encoding
// of its last line, which it holds after 1 TiB of zero bytes.
TEST_F(TextFileAppenderTest, HugeFileOpensAtOnce) {
    namespace fs = std::filesystem;
    const fs::path name = directory.path() / "velky.pre";
    directory.write("velky.pre", "x");
    fs::resize_file(name, std::uintmax_t{1} << 40);
    std::ofstream(name, std::ios::binary | std::ios::app) << "k\xF9\xF2\r\n";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(appendAll("velky.pre", {"č\r\n"}));
    std::cout << "1 TiB results file opened and appended to in "
              << std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count()
              << " ms\n";
    std::ifstream file(name, std::ios::binary);
    file.seekg(-7, std::ios::end);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), "\xF9\xF2\r\n\xE8\r\n");
}

// A text is in the file whole or not at all, also when the disk fills up during it, so that
// the next append is not glued onto a piece of it.
TEST_F(TextFileAppenderTest, FailedWriteLeavesTheFileAsItWas) {
    directory.write("a.pre", "36 km/h       =  10,000 m/s\r\n");
    {
        const testing::FileSizeLimit diskFull(
            std::filesystem::file_size(directory.path() / "a.pre") + 4);
        EXPECT_FALSE(appendAll("a.pre", {"Převod z km/h na m/s\r\n36\t10,000\r\n \r\n"}));
    }
    EXPECT_EQ(directory.read("a.pre"), "36 km/h       =  10,000 m/s\r\n");
}

// A drop box: a folder that may be written but not read, so that it cannot be opened to sync
// the new file's entry. The file's own data reached the disk, so its appends stand.
TEST_F(TextFileAppenderTest, NewFileInAFolderThatMayNotBeReadIsWritten) {
    namespace fs = std::filesystem;
    const fs::path dropBox = directory.path() / "schranka";
    fs::create_directory(dropBox);
    fs::permissions(dropBox, fs::perms(0333));
    bool written = false;
    {
        const testing::FilePermissionsHold asAnyUser;
        written = appendAll("schranka/a.pre", {"36 km/h\r\n", "1 m\r\n"});
    }
    fs::permissions(dropBox, fs::perms::owner_all);
    EXPECT_TRUE(written);
    EXPECT_EQ(directory.read("schranka/a.pre"), "36 km/h\r\n1 m\r\n");
}

// A FIFO without a reader would hold the window in open() (here: until the test times out),
// and one with a reader that goes away would end the program at the next write.
TEST_F(TextFileAppenderTest, RefusesAFifoAndAppendsNothingWhenNotOpen) {
    const std::string fifo = directory.fileName("fifo.pre");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    TextFileAppender file;
    EXPECT_EQ(file.append("nothing open"), AppendOutcome::Failed);
    EXPECT_FALSE(file.open(fifo));
}

} // namespace
} // namespace vemlik
