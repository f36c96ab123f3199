// Line ends, several inputs, usage faults and unreadable files.
#include "cli_process.h"

#include <gtest/gtest.h>

namespace vemlik::testing {
namespace {

TEST(CliInputs, CrLfAndMissingLastLineEndAreAccepted) {
    const CliRun run = runCli({"--separator", ","}, "36 km/h\r\n"
                                                    "\r\n"
                                                    "cm/min 12 ft/hr");
    EXPECT_EQ(run.output, "10,000 m/s\n"
                          "10,000 \n"
                          "6,0960 cm/min\n");
    EXPECT_EQ(run.exitStatus, 0);
}

// Line numbers run on through all files, so message N belongs to output line N.
TEST(CliInputs, SeveralFilesAreConvertedInOrderWithRunningLineNumbers) {
    const ScratchDirectory directory;
    const std::string first = directory.write("a.txt", "36 km/h\n5 abc\n");
    const std::string second = directory.write("b.txt", "5 xyz\n");
    const CliRun run = runCli({"--separator", ",", first, second});
    EXPECT_EQ(run.output, "10,000 m/s\nCHYBA !\nCHYBA !\n");
    EXPECT_EQ(run.errors, "řádek 2: Neznamy rozmer!: abc\n"
                          "řádek 3: Neznamy rozmer!: xyz\n");
    EXPECT_EQ(run.exitStatus, 1);
}

TEST(CliInputs, LongInputKeepsOneResultPerLine) {
    std::string input;
    std::string expected;
    for (int line = 0; line < 100000; ++line) {
        input += line % 2 == 0 ? "36 km/h\n" : "cm/min 12 ft/hr\r\n";
        expected += line % 2 == 0 ? "10,000 m/s\n" : "6,0960 cm/min\n";
    }
    const CliRun run = runCli({"--separator", ","}, input);
    EXPECT_EQ(run.output, expected);
    EXPECT_EQ(run.exitStatus, 0);
}

TEST(CliInputs, UnreadableFileStopsBeforeAnyOutput) {
    const ScratchDirectory directory;
    const std::string good = directory.write("good.txt", "36 km/h\n");
    const std::string missing = (directory.path() / "missing.txt").string();
    const CliRun run = runCli({good, missing});
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.errors, "vemlik-cli: soubor nelze číst: " + missing + " (neexistuje)\n");
    EXPECT_EQ(run.exitStatus, 2);

    const CliRun folder = runCli({directory.path().string()});
    EXPECT_EQ(folder.errors,
              "vemlik-cli: soubor nelze číst: " + directory.path().string() + " (je to adresář)\n");
    EXPECT_EQ(folder.exitStatus, 2);
}

TEST(CliOptions, UsageFaultsAreReportedInCzechWithStatusTwo) {
    const std::string hint = "\nNávod: vemlik-cli --help\n";
    const CliRun unknown = runCli({"--oddelovac", ","}, "36 km/h\n");
    EXPECT_EQ(unknown.errors, "vemlik-cli: neznámá volba --oddelovac" + hint);
    EXPECT_EQ(unknown.output, "");
    EXPECT_EQ(unknown.exitStatus, 2);

    const CliRun twoCharacters = runCli({"--separator", ",,"});
    EXPECT_EQ(twoCharacters.errors,
              "vemlik-cli: volba --separator potřebuje právě jeden znak, ne \",,\"" + hint);
    EXPECT_EQ(twoCharacters.exitStatus, 2);

    const CliRun noFile = runCli({"--prevody"});
    EXPECT_EQ(noFile.errors, "vemlik-cli: u volby --prevody chybí jméno souboru" + hint);
    EXPECT_EQ(noFile.exitStatus, 2);
}

TEST(CliOptions, HelpPrintsCzechUsageAndConvertsNothing) {
    const CliRun run = runCli({"--help"}, "36 km/h\n");
    EXPECT_TRUE(run.output.starts_with(
        "Použití: vemlik-cli [--separator ZNAK] [--prevody SOUBOR] [SOUBOR...]\n"));
    EXPECT_NE(run.output.find("--prevody SOUBOR"), std::string::npos);
    EXPECT_EQ(run.output.find("10"), std::string::npos);
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.exitStatus, 0);
}

TEST(CliOptions, DoubleDashEndsTheOptions) {
    const CliRun run = runCli({"--", "--help"});
    EXPECT_EQ(run.errors, "vemlik-cli: soubor nelze číst: --help (neexistuje)\n");
    EXPECT_EQ(run.exitStatus, 2);
}

} // namespace
} // namespace vemlik::testing
