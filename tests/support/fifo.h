#pragma once

#include "temporary_directory.h"

#include <string>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace vemlik::testing {

// A FIFO that nobody reads, named after the directory; on Windows a named pipe, whose names lie
// apart from the folders.
class Fifo {
public:
#ifdef _WIN32
    explicit Fifo(const TemporaryDirectory& directory)
        : name_("\\\\.\\pipe\\" + directory.path().filename().string()),
          pipe_(CreateNamedPipeA(name_.c_str(), PIPE_ACCESS_INBOUND, PIPE_TYPE_BYTE, 1, 0, 0, 0,
                                 nullptr)) {}
    ~Fifo() {
        CloseHandle(pipe_);
    }
    bool made() const {
        return pipe_ != INVALID_HANDLE_VALUE;
    }
#else
    explicit Fifo(const TemporaryDirectory& directory)
        : name_(directory.fileName("fifo.pre")), made_(mkfifo(name_.c_str(), 0600) == 0) {}
    bool made() const {
        return made_;
    }
#endif
    Fifo(const Fifo&) = delete;
    Fifo& operator=(const Fifo&) = delete;
    const std::string& name() const {
        return name_;
    }

private:
    std::string name_;
#ifdef _WIN32
    HANDLE pipe_;
#else
    bool made_;
#endif
};

} // namespace vemlik::testing
