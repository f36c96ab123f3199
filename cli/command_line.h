#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vemlik::cli {

struct Options {
    bool helpWanted = false;
    bool versionWanted = false;
    // Empty: the locale's decimal separator.
    std::string decimalSeparator;
    // Replaces the user's Prevody.kfc.
    std::optional<std::string> userFile;
    // Empty: standard input.
    std::vector<std::string> inputFiles;
};

struct CommandLine {
    Options options;
    // Non-empty when the arguments cannot be used; the Czech reason.
    std::string fault;
};

CommandLine parseCommandLine(const std::vector<std::string>& arguments);

extern const char* const kUsageText;

} // namespace vemlik::cli
