#include "text_file_appender.h"

#include "temporary_directory.h"

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
            all = file.append(text) && all;
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

TEST_F(TextFileAppenderTest, FailuresAreReported) {
    TextFileAppender file;
    EXPECT_FALSE(file.append("nothing open"));
    EXPECT_FALSE(file.open(directory.fileName("missing/a.pre")));
    if (std::filesystem::exists("/dev/full")) {
        ASSERT_TRUE(file.open("/dev/full"));
        EXPECT_FALSE(file.append("versta, 1066.8 , 5 \r\n"));
    }
}

} // namespace
} // namespace vemlik
