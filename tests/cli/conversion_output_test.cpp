// What the tool writes for lines on standard input and for its options: the results, the
// messages and the exit status.
#include "cli_process.h"

#include <gtest/gtest.h>

namespace vemlik::testing {

void PrintTo(const CliRun& run, std::ostream* stream) {
    *stream << ::testing::PrintToString(run.output) << ", " << ::testing::PrintToString(run.errors)
            << ", status " << run.exitStatus;
}

namespace {

struct Invocation {
    std::vector<std::string> arguments;
    std::string input;
    CliRun expected;
};

const std::vector<std::string> kComma{"--separator", ","};
const std::string kHint = "\nNávod: vemlik-cli --help\n";
const std::string kCannotRead = "vemlik-cli: soubor nelze číst: ";

const Invocation kInvocations[] = {
    {kComma,
     "36 km/h\ncm/min 12 ft/hr\n154,5 kcal/m2/h/C\nC 100 F\nF 100 C\n",
     {"10,000 m/s\n6,0960 cm/min\n179,68 kg/K/s3\n37,778 C\n212,00 F\n", "", 0}},
    // A faulty line gives "CHYBA !" and a message under its number; the lines after it convert.
    {kComma,
     "36 km/h\n5 xyz*m\n36 km/h\n",
     {"10,000 m/s\nCHYBA !\n10,000 m/s\n", "řádek 2: Neznamy rozmer!: xyz\n", 1}},
    {kComma, "m 5 s\n", {"CHYBA !\n", "řádek 1: Nekonzistentni jednotky!   m :  1  0\n", 1}},
    // The missing blank is told but is no error: the value is shown and the run succeeds.
    {kComma, "12ft/hr\n", {"12,000 \n", "řádek 1: Chybí mezera za číslem!  :12ft/hr\n", 0}},
    {{}, "36 km/h\n", {"10.000 m/s\n", "", 0}},
    {{"--separator", "·"}, "36 km/h\n", {"10·000 m/s\n", "", 0}},
    // "žlab" in Windows-1250: its message comes out in UTF-8.
    {kComma, "5 \x9elab\n", {"CHYBA !\n", "řádek 1: Neznamy rozmer!: žlab\n", 1}},
    {kComma, "36 km/h\r\n\r\ncm/min 12 ft/hr", {"10,000 m/s\n10,000 \n6,0960 cm/min\n", "", 0}},
    {{"--oddelovac", ","}, "36 km/h\n", {"", "vemlik-cli: neznámá volba --oddelovac" + kHint, 2}},
    {{"--separator", ",,"},
     "",
     {"", "vemlik-cli: volba --separator potřebuje právě jeden znak, ne \",,\"" + kHint, 2}},
    {{"--prevody"}, "", {"", "vemlik-cli: u volby --prevody chybí jméno souboru" + kHint, 2}},
    {{"--", "--help"}, "", {"", kCannotRead + "--help (neexistuje)\n", 2}},
};

TEST(CliConversionOutput, LinesAndOptionsGiveTheirOutputMessagesAndStatus) {
    for (const Invocation& run : kInvocations) {
        SCOPED_TRACE(::testing::PrintToString(run.arguments) + " " + run.input);
        EXPECT_EQ(runCli(run.arguments, run.input), run.expected);
    }
}

TEST(CliConversionOutput, LongInputKeepsOneResultPerLine) {
    std::string input;
    std::string expected;
    for (int line = 0; line < 100000; ++line) {
        input += line % 2 == 0 ? "36 km/h\n" : "cm/min 12 ft/hr\r\n";
        expected += line % 2 == 0 ? "10,000 m/s\n" : "6,0960 cm/min\n";
    }
    EXPECT_EQ(runCli(kComma, input), (CliRun{expected, "", 0}));
}

TEST(CliConversionOutput, HelpPrintsCzechUsageAndConvertsNothing) {
    const CliRun run = runCli({"--help"}, "36 km/h\n");
    EXPECT_TRUE(run.output.starts_with(
        "Použití: vemlik-cli [--separator ZNAK] [--prevody SOUBOR] [SOUBOR...]\n"));
    EXPECT_NE(run.output.find("--prevody SOUBOR"), std::string::npos);
    EXPECT_EQ(run.output.find("10"), std::string::npos);
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.exitStatus, 0);
}

// Files named on the command line; line numbers run on through them, so message N belongs to
// output line N. Every file is opened first, so one that cannot be read stops before any output.
TEST(CliInputFiles, ConvertedInOrderOrNotAtAllWhenOneIsUnreadable) {
    const TemporaryDirectory directory;
    directory.write("a.txt", "36 km/h\n5 abc\n");
    directory.write("b.txt", "5 xyz\n");
    const std::string a = directory.fileName("a.txt");
    EXPECT_EQ(runCli({"--separator", ",", a, directory.fileName("b.txt")}),
              (CliRun{"10,000 m/s\nCHYBA !\nCHYBA !\n",
                      "řádek 2: Neznamy rozmer!: abc\nřádek 3: Neznamy rozmer!: xyz\n", 1}));

    const std::string missing = directory.fileName("Prevody.kfc");
    EXPECT_EQ(runCli({a, missing}), (CliRun{"", kCannotRead + missing + " (neexistuje)\n", 2}));
    EXPECT_EQ(runCli({"--prevody", missing}, "36 km/h\n"),
              (CliRun{"", kCannotRead + missing + " (neexistuje)\n", 2}));
    const std::string folder = directory.path().string();
    EXPECT_EQ(runCli({folder}), (CliRun{"", kCannotRead + folder + " (je to adresář)\n", 2}));
}

// The named file's faults are told under its name; the lines are still converted and the file
// is left as it was.
TEST(CliUserUnits, NamedFileIsReadAndNeverWritten) {
    const TemporaryDirectory directory;
    const std::string records = "versta, 1066.8 , 5 \r\nnic\r\n";
    directory.write("moje.kfc", records);
    const std::string userFile = directory.fileName("moje.kfc");
    EXPECT_EQ(runCli({"--separator", ",", "--prevody", userFile}, "m 2 versta\n"),
              (CliRun{"2133,60 m\n",
                      userFile + ": Chybné záznamy v souboru Prevody.kfc byly vynechány (první na "
                                 "řádku 2)!\n",
                      0}));
    EXPECT_EQ(directory.read("moje.kfc"), records);
}

// A copy of the tool in a directory of its own finds the Prevody.kfc there; --prevody
// replaces it.
TEST(CliUserUnits, FileBesideTheExecutableUnlessAnotherIsNamed) {
    const TemporaryDirectory directory;
    const std::string tool = directory.fileName("vemlik-cli");
    std::filesystem::copy_file(VEMLIK_CLI_PATH, tool);
    directory.write("Prevody.kfc", "sah, 1.7 , 5 \r\n");
    directory.write("jine.kfc", "loket, 0.6 , 5 \r\n");
    EXPECT_EQ(runProgram(tool, kComma, "m 1 sah\n"), (CliRun{"1,7000 m\n", "", 0}));
    EXPECT_EQ(runProgram(tool, {"--separator", ",", "--prevody", directory.fileName("jine.kfc")},
                         "1 sah\nm 1 loket\n"),
              (CliRun{"CHYBA !\n0,60000 m\n", "řádek 1: Neznamy rozmer!: sah\n", 1}));
}

} // namespace
} // namespace vemlik::testing
