// What vemlik answers to its arguments before any window opens: the version and the Czech
// help, a refusal of anything that neither it nor Qt knows, and of a start without a display.
#include "cli_process.h"
#include "identity.h"

#include <gtest/gtest.h>

namespace vemlik::testing {
namespace {

const std::string kVersionLine = std::string("vemlik ") + kVersion + "\n";
const std::string kHint = "\nNávod: vemlik --help\n";

// The arguments, the beginning of the output, the end of the messages (Qt may write warnings of
// its own before it) and the exit status.
using Start = std::tuple<std::vector<std::string>, std::string, std::string, int>;
const Start kStarts[] = {
    // Without any display: answered before the windowing system is reached.
    {{"--version"}, kVersionLine, "", 0},
    {{"--help"}, "Použití: vemlik [--version] [--help] [VOLBY QT]\n", "", 0},
    // Qt takes its own options and their values first; what remains is ours.
    {{"-platform", "offscreen", "--version"}, kVersionLine, "", 0},
    {{"-platform", "offscreen", "--verze"}, "", "vemlik: neznámá volba --verze" + kHint, 2},
    {{"-platform", "offscreen", "a.kfc"}, "", "vemlik: nadbytečný argument a.kfc" + kHint, 2},
    // Nowhere to open the window: a Czech message instead of Qt's abort.
    {{},
     "",
     "vemlik: chybí grafický displej, okno nelze otevřít (není nastavena proměnná DISPLAY ani "
     "WAYLAND_DISPLAY)\nPřevody bez okna dělá vemlik-cli.\n",
     2}};

TEST(WindowProgramArguments, AnswerOrRefuseBeforeAnyWindowOpens) {
    for (const auto& [arguments, outputBegins, errorsEnd, exitStatus] : kStarts) {
        std::vector<std::string> command{"-u", "DISPLAY",         "-u",       "WAYLAND_DISPLAY",
                                         "-u", "QT_QPA_PLATFORM", VEMLIK_PATH};
        command.insert(command.end(), arguments.begin(), arguments.end());
        const CliRun run = runShell(withArguments("env", command));
        EXPECT_TRUE(run.output.starts_with(outputBegins) && run.errors.ends_with(errorsEnd) &&
                    run.exitStatus == exitStatus)
            << run;
    }
}

} // namespace
} // namespace vemlik::testing
