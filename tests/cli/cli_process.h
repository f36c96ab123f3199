#pragma once

#include "temporary_directory.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <iomanip>
#include <ostream>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <vector>

namespace vemlik::testing {

struct CliRun {
    std::string output;
    std::string errors;
    int exitStatus = -1;
    friend bool operator==(const CliRun&, const CliRun&) = default;
    friend std::ostream& operator<<(std::ostream& stream, const CliRun& run) {
        return stream << std::quoted(run.output) << ", " << std::quoted(run.errors) << ", status "
                      << run.exitStatus;
    }
};

inline std::string shellWord(std::string_view text) {
    std::string word = "'";
    for (const char character : text) {
        word += character == '\'' ? std::string("'\\''") : std::string(1, character);
    }
    return word + "'";
}

// The Windows build's tool is tested by these same tests, built for Linux, through wine.
#ifdef VEMLIK_CLI_UNDER_WINE
inline constexpr bool kUnderWine = true;
#else
inline constexpr bool kUnderWine = false;
#endif

// The shell's command that starts the tool at the path.
inline std::string toolCommand(std::string_view path) {
    return (kUnderWine ? "wine " : "") + shellWord(path);
}

// A name that the tool made itself, as it shows it: wine shows the Linux folders on drive Z:.
inline std::string shownName(std::string name) {
    if (!kUnderWine) {
        return name;
    }
    std::ranges::replace(name, '/', '\\');
    return "Z:" + name;
}

inline const std::string kCli = toolCommand(VEMLIK_CLI_PATH);

// Runs a shell command with the input on standard input. LC_ALL outweighs every other locale
// setting of our environment; a pipe whose reader has gone ends the commands by its signal, as
// in a terminal, unless they ignore it themselves.
inline CliRun runShell(const std::string& command, std::string_view input = {}) {
    const TemporaryDirectory streams;
    streams.write("stdin", input);
    std::signal(SIGPIPE, SIG_DFL);
    const auto file = [&streams](const char* name) { return shellWord(streams.fileName(name)); };
    const int status = std::system(("export LC_ALL=C.UTF-8; (" + command + ") <" + file("stdin") +
                                    " >" + file("stdout") + " 2>" + file("stderr"))
                                       .c_str());
    return {streams.read("stdout"), streams.read("stderr"),
            WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

inline std::string withArguments(std::string command, const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        command += ' ' + shellWord(argument);
    }
    return command;
}

// The tool under test, or a copy of it at the path given.
inline CliRun runCli(const std::vector<std::string>& arguments, std::string_view input = {},
                     std::string_view path = VEMLIK_CLI_PATH) {
    return runShell(withArguments(toolCommand(path), arguments), input);
}

} // namespace vemlik::testing
