// What the tool writes for lines on standard input and for its options: the results, the
// messages and the exit status.
#include "cli_process.h"
#include "identity.h"
#include "private_home.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <thread>
#include <unistd.h>

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
    // A faulty line gives "CHYBA !" and a message under its number; the lines after it convert.
    {kComma,
     "36 km/h\n5 xyz*m\n36 km/h\n",
     {"10,000 m/s\nCHYBA !\n10,000 m/s\n", "řádek 2: Neznamy rozmer!: xyz\n", 1}},
    // The first item's value with the line's target unit, or else the result unit of its last
    // item; nothing after an inconsistency or a result out of range.
    {kComma,
     "C 100 F\n5 km; 3 min\nm 5 s\n1e999 m\n",
     {"37,778 C\n5000,00 s\nCHYBA !\nCHYBA !\n",
      "řádek 3: Nekonzistentni jednotky!   m :  1  0\nřádek 4: Výsledek je mimo rozsah!\n", 1}},
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
    {{"--version"}, "36 km/h\n", {std::string("vemlik-cli ") + kVersion + "\n", "", 0}},
};

TEST(CliConversionOutput, LinesAndOptionsGiveTheirOutputMessagesAndStatus) {
    for (const Invocation& run : kInvocations) {
        SCOPED_TRACE(::testing::PrintToString(run.arguments) + " " + run.input);
        EXPECT_EQ(runCli(run.arguments, run.input), run.expected);
    }
}

TEST(CliConversionOutput, HelpPrintsCzechUsageAndConvertsNothing) {
    const CliRun run = runCli({"--help"}, "36 km/h\n");
    EXPECT_TRUE(run.output.starts_with(
        "Použití: vemlik-cli [--separator ZNAK] [--prevody SOUBOR] [SOUBOR...]\n"));
    EXPECT_EQ(run.output.find("10"), std::string::npos);
    EXPECT_EQ(run, (CliRun{run.output, "", 0}));
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

// A copy of the tool in a directory of its own finds the Prevody.kfc there; --prevody
// replaces it. Faults of either file are told under its name; the lines are still converted
// and the file is left as it was.
TEST(CliUserUnits, FileBesideTheExecutableUnlessAnotherIsNamed) {
    const TemporaryDirectory directory;
    const std::string tool = directory.fileName("vemlik-cli");
    std::filesystem::copy_file(VEMLIK_CLI_PATH, tool);
    const std::string skipped = ": Chybné záznamy v souboru Prevody.kfc byly vynechány (první na "
                                "řádku 2)!\n";
    const std::string records = "loket, 0.6 , 5 \r\nnic\r\n";
    directory.write("Prevody.kfc", "sah, 1.7 , 5 \r\nnic\r\n");
    directory.write("jine.kfc", records);
    const std::string named = directory.fileName("jine.kfc");
    EXPECT_EQ(runProgram(tool, kComma, "m 1 sah\n"),
              (CliRun{"1,7000 m\n", directory.fileName("Prevody.kfc") + skipped, 0}));
    EXPECT_EQ(
        runProgram(tool, {"--separator", ",", "--prevody", named}, "1 sah\nm 1 loket\n"),
        (CliRun{"CHYBA !\n0,60000 m\n", named + skipped + "řádek 1: Neznamy rozmer!: sah\n", 1}));
    EXPECT_EQ(directory.read("jine.kfc"), records);
}

// Installed, the tool reads the user's own units from the data folder that the window writes.
TEST(CliUserUnits, UsersDataFolderWhenNoFileLiesBeside) {
    const PrivateHome home;
    home.writeUserFile("sah, 1.7 , 5 \r\n");
    EXPECT_EQ(runCli(kComma, "m 1 sah\n"), (CliRun{"1,7000 m\n", "", 0}));
}

// Writes records into the FIFO for as long as a reader holds it open.
void writeRecordsWhileRead(const std::string& fifo) {
    int writer = -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (writer < 0 && std::chrono::steady_clock::now() < deadline) {
        writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        std::this_thread::sleep_for(std::chrono::milliseconds(writer < 0 ? 10 : 0));
    }
    ::fcntl(writer, F_SETFL, O_WRONLY);
    const std::string record = "sah, 1.7 , 5 \r\n";
    while (writer >= 0 && ::write(writer, record.data(), record.size()) > 0) {
    }
    ::close(writer);
}

// --prevody reads a pipe as a stream, and one without end up to the full table.
TEST(CliUserUnits, NamedPipeIsReadUpToAFullTable) {
    std::signal(SIGPIPE, SIG_IGN);
    const TemporaryDirectory directory;
    const std::string fifo = directory.fileName("jednotky");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer(writeRecordsWhileRead, fifo);
    const CliRun run = runCli({"--separator", ",", "--prevody", fifo}, "m 1 sah\n");
    writer.join();
    EXPECT_EQ(run, (CliRun{"1,7000 m\n",
                           fifo + ": Tabulka jednotek je plná, další převody ze souboru "
                                  "Prevody.kfc nebyly načteny!\n",
                           0}));
}

// Output into a pipe whose reader has gone is a failed write like any other, not the end of
// the tool by a signal.
TEST(CliOutput, PipeWithoutReaderIsAFailedWrite) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    ::close(ends[0]);
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGPIPE, SIG_DFL);
        const int input = ::open("/dev/null", O_RDONLY);
        dup2(input, STDIN_FILENO);
        dup2(ends[1], STDOUT_FILENO);
        execl(VEMLIK_CLI_PATH, "vemlik-cli", "--help", static_cast<char*>(nullptr));
        _exit(127);
    }
    ::close(ends[1]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 2);
}

} // namespace
} // namespace vemlik::testing
