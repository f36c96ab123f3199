#pragma once

#include "temporary_directory.h"

#include <optional>
#include <string>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace vemlik::testing {

// The name of a FIFO that nobody reads, made for the directory; nothing when none can be made.
// On Windows a named pipe, whose names lie apart from the folders, left open for the process.
inline std::optional<std::string> fifoFor(const TemporaryDirectory& directory) {
#ifdef _WIN32
    const std::string name = "\\\\.\\pipe\\" + directory.path().filename().string();
    const bool made = CreateNamedPipeA(name.c_str(), PIPE_ACCESS_INBOUND, PIPE_TYPE_BYTE, 1, 0, 0,
                                       0, nullptr) != INVALID_HANDLE_VALUE;
#else
    const std::string name = directory.fileName("fifo.pre");
    const bool made = mkfifo(name.c_str(), 0600) == 0;
#endif
    return made ? std::optional(name) : std::nullopt;
}

} // namespace vemlik::testing
