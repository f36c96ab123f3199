#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vemlik::testing {

struct CliRun {
    std::string output;
    std::string errors;
    int exitStatus = -1;
};

// A directory of its own for one test, removed with everything in it afterwards.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes the bytes into a file of the directory and returns its full name.
    std::string write(const std::string& name, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

std::string readBytes(const std::filesystem::path& file);

// Runs the program with the arguments, the input on standard input and the locale settings
// given by localeName (LC_ALL); waits for it to end.
CliRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                  std::string_view input, const std::string& localeName = "C.UTF-8");

inline CliRun runCli(const std::vector<std::string>& arguments, std::string_view input = {}) {
    return runProgram(VEMLIK_CLI_PATH, arguments, input);
}

} // namespace vemlik::testing
