// User units: Prevody.kfc beside the executable, or the file that --prevody names.
#include "cli_process.h"

#include <gtest/gtest.h>

namespace vemlik::testing {
namespace {

TEST(CliUserUnits, NamedFileIsReadAndNeverWritten) {
    const ScratchDirectory directory;
    const std::string records = "versta, 1066.8 , 5 \r\n";
    const std::string userFile = directory.write("moje.kfc", records);
    const CliRun run = runCli({"--separator", ",", "--prevody", userFile}, "m 2 versta\n");
    EXPECT_EQ(run.output, "2133,60 m\n");
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(readBytes(userFile), records);
}

// The file's own faults are told with its name; the lines are still converted.
TEST(CliUserUnits, MalformedRecordIsReportedUnderTheFileName) {
    const ScratchDirectory directory;
    const std::string userFile = directory.write("moje.kfc", "versta, 1066.8 , 5 \r\nnic\r\n");
    const CliRun run = runCli({"--separator", ",", "--prevody", userFile}, "m 1 versta\n");
    EXPECT_EQ(run.output, "1066,80 m\n");
    EXPECT_EQ(run.errors, userFile +
                              ": Chybné záznamy v souboru Prevody.kfc byly vynechány (první na "
                              "řádku 2)!\n");
    EXPECT_EQ(run.exitStatus, 0);
}

TEST(CliUserUnits, UnreadableNamedFileIsStatusTwo) {
    const ScratchDirectory directory;
    const std::string missing = (directory.path() / "Prevody.kfc").string();
    const CliRun run = runCli({"--prevody", missing}, "36 km/h\n");
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.errors, "vemlik-cli: soubor nelze číst: " + missing + " (neexistuje)\n");
    EXPECT_EQ(run.exitStatus, 2);
}

// A copy of the tool in a directory of its own finds the Prevody.kfc there; --prevody
// replaces it.
TEST(CliUserUnits, FileBesideTheExecutableUnlessAnotherIsNamed) {
    const ScratchDirectory directory;
    const std::filesystem::path tool = directory.path() / "vemlik-cli";
    std::filesystem::copy_file(VEMLIK_CLI_PATH, tool);
    directory.write("Prevody.kfc", "sah, 1.7 , 5 \r\n");
    const std::string other = directory.write("jine.kfc", "loket, 0.6 , 5 \r\n");

    const CliRun beside = runProgram(tool.string(), {"--separator", ","}, "m 1 sah\n");
    EXPECT_EQ(beside.output, "1,7000 m\n");
    EXPECT_EQ(beside.exitStatus, 0);

    const CliRun named =
        runProgram(tool.string(), {"--separator", ",", "--prevody", other}, "1 sah\nm 1 loket\n");
    EXPECT_EQ(named.output, "CHYBA !\n0,60000 m\n");
    EXPECT_EQ(named.errors, "řádek 1: Neznamy rozmer!: sah\n");
    EXPECT_EQ(named.exitStatus, 1);
}

} // namespace
} // namespace vemlik::testing
