// What the tool writes for conversion lines: the results, the messages and the exit status.
#include "cli_process.h"

#include <gtest/gtest.h>

namespace vemlik::testing {
namespace {

const std::vector<std::string> kCzechSeparator{"--separator", ","};

TEST(CliConversionOutput, WorkedExamplesGiveTheTextsOfThePage) {
    const CliRun run = runCli(kCzechSeparator, "36 km/h\n"
                                               "cm/min 12 ft/hr\n"
                                               "154,5 kcal/m2/h/C\n"
                                               "C 100 F\n"
                                               "F 100 C\n");
    EXPECT_EQ(run.output, "10,000 m/s\n"
                          "6,0960 cm/min\n"
                          "179,68 kg/K/s3\n"
                          "37,778 C\n"
                          "212,00 F\n");
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.exitStatus, 0);
}

TEST(CliConversionOutput, UnknownUnitGivesChybaAndNumberedMessage) {
    const CliRun run = runCli(kCzechSeparator, "36 km/h\n"
                                               "5 xyz*m\n"
                                               "36 km/h\n");
    EXPECT_EQ(run.output, "10,000 m/s\n"
                          "CHYBA !\n"
                          "10,000 m/s\n");
    EXPECT_EQ(run.errors, "řádek 2: Neznamy rozmer!: xyz\n");
    EXPECT_EQ(run.exitStatus, 1);
}

TEST(CliConversionOutput, InconsistentUnitsAreAnErrorWithTheirMessage) {
    const CliRun run = runCli(kCzechSeparator, "m 5 s\n");
    EXPECT_EQ(run.output, "CHYBA !\n");
    EXPECT_EQ(run.errors, "řádek 1: Nekonzistentni jednotky!   m :  1  0\n");
    EXPECT_EQ(run.exitStatus, 1);
}

// The missing blank is reported but leaves no error, so the value is shown and the run succeeds.
TEST(CliConversionOutput, MessageWithoutErrorKeepsTheResultAndExitZero) {
    const CliRun run = runCli(kCzechSeparator, "12ft/hr\n");
    EXPECT_EQ(run.output, "12,000 \n");
    EXPECT_EQ(run.errors, "řádek 1: Chybí mezera za číslem!  :12ft/hr\n");
    EXPECT_EQ(run.exitStatus, 0);
}

TEST(CliConversionOutput, SeparatorComesFromTheLocaleUnlessNamed) {
    EXPECT_EQ(runCli({}, "36 km/h\n").output, "10.000 m/s\n");
    EXPECT_EQ(runCli({"--separator", "·"}, "36 km/h\n").output, "10·000 m/s\n");
}

TEST(CliConversionOutput, LineNotInUtf8IsReadAsWindows1250) {
    // "žlab" in Windows-1250: its message comes out in UTF-8.
    const CliRun run = runCli(kCzechSeparator, "5 \x9elab\n");
    EXPECT_EQ(run.output, "CHYBA !\n");
    EXPECT_EQ(run.errors, "řádek 1: Neznamy rozmer!: žlab\n");
}

} // namespace
} // namespace vemlik::testing
