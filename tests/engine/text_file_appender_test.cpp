#include "text_file_appender.h"

#include "fifo.h"
#include "temporary_directory.h"
#ifndef _WIN32
#include "file_permissions_hold.h"
#endif

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

// Nothing is appended while no file is open. A FIFO is refused: without a reader it would hold
// the window in open() (here: until the test times out), and one with a reader that goes away
// would end the program at the next write.
TEST_F(TextFileAppenderTest, NewFileIsWrittenInUtf8AndRefusesWhatIsNotUtf8OrNotAFile) {
    EXPECT_TRUE(appendAll("a.pre", {"Teplota 20 C\r\n", "kůň\r\n"}));
    EXPECT_FALSE(appendAll("a.pre", {"třetí\r\n", "bad \xFF byte"}));
    EXPECT_EQ(directory.read("a.pre"), "Teplota 20 C\r\nkůň\r\ntřetí\r\n");
    const std::optional<std::string> fifo = testing::fifoFor(directory);
    ASSERT_TRUE(fifo);
    TextFileAppender file;
    EXPECT_EQ(file.append("nothing open"), AppendOutcome::Failed);
    EXPECT_FALSE(file.open(*fifo));
}

// The start and the end of a file are judged, in pieces: a character split between two pieces,
// or cut by the start or the end of what is judged, must not make a UTF-8 file look like
// Windows-1250. A file of 1 TiB (sparse, so that it takes no room) opens as a small one does,
// in the encoding of its last line, which follows 1 TiB of zero bytes.
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
    const std::filesystem::path huge = directory.path() / "velky.pre";
    directory.write("velky.pre", "x");
    directory.lengthen("velky.pre", std::uint64_t{1} << 40);
    std::ofstream(huge, std::ios::binary | std::ios::app) << "k\xF9\xF2";
    EXPECT_TRUE(appendAll("velky.pre", {"č"}));
    std::ifstream file(huge, std::ios::binary);
    file.seekg(-2, std::ios::end);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), "\xF2\xE8");
}

// A drop box: a folder that may be written but not read, so that it cannot be opened to sync
// the new file's entry. The file's own data reached the disk, so its appends stand.
TEST_F(TextFileAppenderTest, NewFileInAFolderThatMayNotBeReadIsWritten) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows syncs no folder and has no such permissions";
#else
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
#endif
}

} // namespace
} // namespace vemlik
