#pragma once

#include "temporary_directory.h"

#include <cstdlib>
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
};

inline std::string shellWord(const std::string& text) {
    std::string word = "'";
    for (const char character : text) {
        word += character == '\'' ? std::string("'\\''") : std::string(1, character);
    }
    return word + "'";
}

// Runs the program by the shell with the input on standard input; LC_ALL outweighs every other
// locale setting of our environment.
inline CliRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                         std::string_view input = {}) {
    const TemporaryDirectory streams;
    streams.write("stdin", input);
    std::string command = "LC_ALL=C.UTF-8 " + shellWord(program);
    for (const std::string& argument : arguments) {
        command += ' ' + shellWord(argument);
    }
    command += " <" + shellWord(streams.fileName("stdin")) + " >" +
               shellWord(streams.fileName("stdout")) + " 2>" +
               shellWord(streams.fileName("stderr"));
    const int status = std::system(command.c_str());
    return {streams.read("stdout"), streams.read("stderr"),
            WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

inline CliRun runCli(const std::vector<std::string>& arguments, std::string_view input = {}) {
    return runProgram(VEMLIK_CLI_PATH, arguments, input);
}

} // namespace vemlik::testing
