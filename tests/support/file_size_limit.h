#pragma once

#include <csignal>
#include <cstdint>
#include <sys/resource.h>

namespace vemlik::testing {

// Files of this process cannot grow beyond the size while it lives, as on a full disk: a write
// across the limit is cut short and the next one fails (the signal that would end the process
// is ignored meanwhile).
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::uintmax_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = previous_;
        limited.rlim_cur = static_cast<rlim_t>(bytes);
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

} // namespace vemlik::testing
