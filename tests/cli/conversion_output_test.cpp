// What the tool writes for lines on standard input, for its options and for the files it is
// given: the results, the messages and the exit status. Also what it does with input and output
// that would make it hang or grow.
#include "cli_process.h"
#include "identity.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>

namespace vemlik::testing {

const std::vector<std::string> kComma{"--separator", ","};
const std::string kCannotRead = "vemlik-cli: soubor nelze číst: ";

TEST(CliConversionOutput, LinesAndOptionsGiveTheirOutputMessagesAndStatus) {
    const auto fault = [](const std::string& text) {
        return CliRun{"", "vemlik-cli: " + text + "\nNávod: vemlik-cli --help\n", 2};
    };
    // A line of 21 numbers without their blanks: the first 20 are told, then that more were.
    // Each message quotes the rest of the line, so the first one the whole line.
    std::string numbers = "1x";
    std::string twentyMessages;
    for (int number = 1; number <= 20; ++number) {
        numbers += " 1x";
        twentyMessages = "řádek 1: Chybí mezera za číslem!  :" + numbers + "\n" + twentyMessages;
    }
    const std::tuple<std::vector<std::string>, std::string, CliRun> invocations[] = {
        // The missing blank is told but is no error: the value is shown and the run succeeds.
        {kComma, "12ft/hr\n", {"12,000 \n", "řádek 1: Chybí mezera za číslem!  :12ft/hr\n", 0}},
        // "žlab" in Windows-1250 comes out in UTF-8; control characters other than TAB come out
        // as \xHH, also DEL and the C1 ones.
        {kComma, "5 \x9elab\n5 a\x1b[2J\x7f\xc2\x9b\tž\n",
         CliRun{"CHYBA !\nCHYBA !\n",
                "řádek 1: Neznamy rozmer!: žlab\nřádek 2: Neznamy rozmer!: "
                "a\\x1B[2J\\x7F\\xC2\\x9B\tž\n",
                1}},
        {{"--separator", "·"}, "36 km/h\n", {"10·000 m/s\n", "", 0}},
        // Lines end at LF, CR LF or a lone CR, as in files from old systems.
        {kComma, "36 km/h\r5 m\r\n1 km\n", {"10,000 m/s\n5,0000 m\n1000,00 m\n", "", 0}},
        {{}, "1e-44 m\n", {"CHYBA !\n", "řádek 1: Výsledek je mimo rozsah!\n", 1}},
        {{},
         numbers + "\n5 xyz\n",
         CliRun{"1.0000 \nCHYBA !\n",
                twentyMessages + "řádek 1: další hlášení tohoto řádku vynechána\n" +
                    "řádek 2: Neznamy rozmer!: xyz\n",
                1}},
        {{"--oddelovac", ","}, "1 m\n", fault("neznámá volba --oddelovac")},
        {{"--separator", ""}, "", fault("volba --separator potřebuje právě jeden znak, ne \"\"")},
        {{"--prevody"}, "", fault("u volby --prevody chybí jméno souboru")},
        {{"--", "--help"}, "", {"", kCannotRead + "--help (neexistuje)\n", 2}},
        // A name is escaped as a line is.
        {{"a\x1b[2J\t\xc2\x9b"}, "", {"", kCannotRead + "a\\x1B[2J\t\\xC2\\x9B (neexistuje)\n", 2}},
        {{"--version"}, "36 km/h\n", {std::string("vemlik-cli ") + kVersion + "\n", "", 0}},
    };
    for (const auto& [arguments, input, expected] : invocations) {
        EXPECT_EQ(runCli(arguments, input), expected) << ::testing::PrintToString(arguments);
    }
    // One that is not UTF-8 has every byte above ASCII escaped; a Windows command line is
    // Unicode, so that such a name cannot reach the tool there.
    if (!kUnderWine) {
        EXPECT_EQ(runCli({"\x9b\xe8"}), (CliRun{"", kCannotRead + "\\x9B\\xE8 (neexistuje)\n", 2}));
    }
    // The usage in Czech, and nothing converted.
    const std::string help = runCli({"--help"}, "36 km/h\n").output;
    EXPECT_TRUE(help.starts_with("Použití: vemlik-cli [--separator ZNAK] [--prevody SOUBOR] "
                                 "[SOUBOR...]\n") &&
                help.find("m/s") == std::string::npos);
}

// Files named on the command line; line numbers run on through them, so message N belongs to
// output line N, and an unknown unit is told again on each of its lines. Every file is opened
// first, so one that cannot be read stops before any output.
// A copy of the tool in a directory of its own finds the Prevody.kfc there; --prevody
// replaces it by a file or a pipe. Faults of either file are told under its name; the lines are
// still converted.
TEST(CliFiles, InputInOrderAndUnitsBesideTheExecutableUnlessAnotherFileOrPipeIsNamed) {
    const TemporaryDirectory directory;
    directory.write("a.txt", "36 km/h\n5 abc\n");
    directory.write("b.txt", "5 abc\n");
    const std::string a = directory.fileName("a.txt");
    EXPECT_EQ(runCli({"--separator", ",", a, directory.fileName("b.txt")}),
              (CliRun{"10,000 m/s\nCHYBA !\nCHYBA !\n",
                      "řádek 2: Neznamy rozmer!: abc\nřádek 3: Neznamy rozmer!: abc\n", 1}));
    // The named input files are told in their order, then the named file of units.
    const std::string missing = directory.fileName("Prevody.kfc");
    const std::string folder = directory.path().string();
    EXPECT_EQ(runCli({"--prevody", missing, a, missing, folder}),
              (CliRun{"",
                      kCannotRead + missing + " (neexistuje)\n" + kCannotRead + folder +
                          " (je to adresář)\n" + kCannotRead + missing + " (neexistuje)\n",
                      2}));
    const std::string tool = directory.fileName("vemlik-cli");
    std::filesystem::copy_file(VEMLIK_CLI_PATH, tool);
    const auto skipped = [](const std::string& file) {
        return "vemlik-cli: Chybné záznamy v souboru " + file +
               " byly vynechány (první na řádku 2)!\n";
    };
    directory.write("Prevody.kfc", "sah, 1.7 , 5 \r\nnic\r\n");
    // A name is told escaped; a Windows name holds no control character.
    const std::string other = kUnderWine ? "jine.kfc" : "jine\x1b[1m.kfc";
    directory.write(other, "loket, 0.6 , 5 \r\nnic\r\n");
    const std::string named = directory.fileName(other);
    EXPECT_EQ(runCli(kComma, "m 1 sah\n", tool),
              (CliRun{"1,7000 m\n", skipped(shownName(directory.fileName("Prevody.kfc"))), 0}));
    EXPECT_EQ(runCli({"--separator", ",", "--prevody", named}, "1 sah\nm 1 loket\n", tool),
              (CliRun{"CHYBA !\n0,60000 m\n",
                      skipped(directory.fileName(kUnderWine ? other : "jine\\x1B[1m.kfc")) +
                          "řádek 1: Neznamy rozmer!: sah\n",
                      1}));
    if (kUnderWine) {
        GTEST_SKIP() << "Windows names no pipe by a path such as /dev/fd/4";
    }
    // A pipe is read as a stream, and one without end up to the full table: it is handed over
    // as descriptor 4 while the lines come on standard input as usual.
    const std::string records = "exec 3<&0; yes " + shellWord("sah, 1.7 , 5 \r") + " | ";
    EXPECT_EQ(runShell(records + kCli + " --separator , --prevody /dev/fd/4 4<&0 <&3", "m 1 sah\n"),
              (CliRun{"1,7000 m\n",
                      "vemlik-cli: Tabulka jednotek je plná, další převody ze souboru /dev/fd/4 "
                      "nebyly načteny!\n",
                      0}));
}

constexpr std::size_t kMaxLine = std::size_t{16} << 20;

// A line at the limit is converted; one byte more is answered without being converted, also
// as the last line without a line end. The lines around it convert as usual. Endless input into
// a pipe whose reader has gone ends at the first refused write, with a message and status 2
// rather than by the signal of the pipe. On a stream shared with the results each message
// follows the result of its own line, also when the results fill the buffers; a blank line is
// answered by an empty one.
TEST(CliStreams, OverlongLinesRefusedWritesAndMessagesOnAStreamSharedWithResults) {
    const std::string atLimit = std::string(kMaxLine - 7, ' ') + "36 km/h";
    const std::string overLimit(kMaxLine + 1, 'm');
    const std::string tooLong = ": řádek je delší než 16 MiB\n";
    EXPECT_EQ(runCli({}, atLimit + "\r\n" + overLimit + "\n36 km/h\n" + overLimit),
              (CliRun{"10.000 m/s\nCHYBA !\n10.000 m/s\nCHYBA !\n",
                      "řádek 2" + tooLong + "řádek 4" + tooLong, 1}));
    EXPECT_EQ(runShell("{ yes '36 km/h' | timeout 60 " + kCli + "; echo $? >&2; } | true"),
              (CliRun{"", "vemlik-cli: výstup nelze zapsat\n2\n", 0}));
    const std::string blanks = "   \n" + std::string(20000, '\n');
    EXPECT_EQ(runShell(kCli + " 2>&1", "5 xyz\n36 km/h\n" + blanks + "5 abc\n").output,
              "CHYBA !\nřádek 1: Neznamy rozmer!: xyz\n10.000 m/s\n\n" + std::string(20000, '\n') +
                  "CHYBA !\nřádek 20004: Neznamy rozmer!: abc\n");
}

// Running out of memory is told in Czech with status 2, not by an abort. The address sanitizer
// reserves far more address space than the limit leaves, so it cannot run there.
TEST(CliStreams, RunningOutOfMemoryEndsWithACzechMessage) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "no address space limit under the address sanitizer";
#endif
    if (kUnderWine) {
        GTEST_SKIP() << "wine itself cannot start within the address space limit";
    }
    EXPECT_EQ(runShell("ulimit -v 40000 && " + kCli, std::string(kMaxLine, 'm') + "\n"),
              (CliRun{"", "vemlik-cli: nedostatek paměti, převod byl přerušen\n", 2}));
}

} // namespace vemlik::testing
