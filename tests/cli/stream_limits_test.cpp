// What the tool does with input and output that would make it hang, grow or drive the terminal:
// lines too long to hold, a standard output that refuses writes, control characters.
#include "cli_process.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <sstream>

namespace vemlik::testing {
namespace {

const std::vector<std::string> kComma{"--separator", ","};
constexpr std::size_t kMaxLine = std::size_t{16} << 20;
const std::string kTooLong = ": řádek je delší než 16 MiB\n";

// The tool run by the shell with its home and data folder in the test's own directory.
std::string isolatedTool(const TemporaryDirectory& directory) {
    const std::string folder = shellWord(directory.path().string());
    return "HOME=" + folder + " XDG_DATA_HOME=" + folder + " " + shellWord(VEMLIK_CLI_PATH);
}

// A line at the limit is converted; one byte more is answered without being converted, also
// as the last line without a line end. The lines around it convert as usual.
TEST(CliStreams, LinesLongerThan16MiBGiveAnErrorAndTheRestConverts) {
    const std::string atLimit = std::string(kMaxLine - 7, ' ') + "36 km/h";
    const std::string overLimit(kMaxLine + 1, 'm');
    const CliRun run = runCli(kComma, atLimit + "\r\n" + overLimit + "\n36 km/h\n" + overLimit);
    EXPECT_EQ(run, (CliRun{"10,000 m/s\nCHYBA !\n10,000 m/s\nCHYBA !\n",
                           "řádek 2" + kTooLong + "řádek 4" + kTooLong, 1}));
}

// Running out of memory is told in Czech with status 2, not by an abort. The address sanitizer
// reserves far more address space than the limit leaves, so it cannot run there.
TEST(CliStreams, RunningOutOfMemoryEndsWithACzechMessage) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "no address space limit under the address sanitizer";
#endif
    const TemporaryDirectory directory;
    directory.write("stdin", std::string(kMaxLine, 'm') + "\n");
    const std::string command = "ulimit -v 40000 && " + isolatedTool(directory) + " <" +
                                shellWord(directory.fileName("stdin")) + " >/dev/null 2>" +
                                shellWord(directory.fileName("stderr"));
    const int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 2);
    EXPECT_EQ(directory.read("stderr"), "vemlik-cli: nedostatek paměti, převod byl přerušen\n");
}

// Endless input into a full disk: the first refused write ends the run.
TEST(CliStreams, RefusedOutputEndsTheRunAtOnce) {
    const TemporaryDirectory directory;
    const std::string command = "yes '36 km/h' | timeout 60 env " + isolatedTool(directory) +
                                " >/dev/full 2>" + shellWord(directory.fileName("stderr"));
    const int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 2);
    EXPECT_EQ(directory.read("stderr"), "vemlik-cli: výstup nelze zapsat\n");
}

// Messages are written as soon as enough have gathered, also in the middle of a line with many
// faults, yet never ahead of the results of the lines before their own; lines that cross the
// reader's buffer keep their own results.
TEST(CliStreams, MessagesOnAStreamSharedWithResultsFollowTheirLines) {
    const TemporaryDirectory directory;
    std::string input;
    for (int line = 0; line < 20000; ++line) {
        input += line % 2 == 0 ? "36 km/h\n" : "5 xyz\n";
    }
    input += "5 " + std::string(200000, 'a') + "/b/c/d/e\n";
    directory.write("stdin", input);
    const std::string command = isolatedTool(directory) + " <" +
                                shellWord(directory.fileName("stdin")) + " >" +
                                shellWord(directory.fileName("both")) + " 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 1 << 8);
    std::istringstream both(directory.read("both"));
    std::size_t results = 0;
    std::size_t messages = 0;
    for (std::string line; std::getline(both, line);) {
        if (line.starts_with("řádek ")) {
            ++messages;
            ASSERT_GE(results + 1, std::stoul(line.substr(std::string("řádek ").size())));
        } else {
            ++results;
            ASSERT_TRUE(line == "10.000 m/s" || line == "CHYBA !") << line;
        }
    }
    EXPECT_EQ(results, 20001U);
    EXPECT_EQ(messages, 10004U);
}

// C0 characters other than TAB, DEL and C1 characters (here CSI, C2 9B) come out as \xHH.
TEST(CliStreams, MessagesShowControlCharactersOfTheInputAsHex) {
    const struct {
        std::string input;
        std::string errors;
    } lines[] = {
        {"5\x01 m\n", "řádek 1: Chybí mezera za číslem!  :5\\x01 m\n"},
        {"5 a\x1b[2J\x7f\xc2\x9b\tž\n", "řádek 1: Neznamy rozmer!: a\\x1B[2J\\x7F\\xC2\\x9B\tž\n"},
    };
    for (const auto& [input, errors] : lines) {
        EXPECT_EQ(runCli(kComma, input).errors, errors) << input;
    }
}

} // namespace
} // namespace vemlik::testing
