#pragma once

#include <csignal>
#include <cstdint>
#include <sys/resource.h>

namespace vemlik::testing {

// Files of this process cannot grow beyond the size while it lives, as on a full disk: a write
// across the limit is cut short and the next one fails. The signal that would end the process
// there stays ignored; without the limit it does not come.
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::uintmax_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        const rlimit limited{.rlim_cur = static_cast<rlim_t>(bytes),
                             .rlim_max = previous_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &previous_); }

private:
    rlimit previous_{};
};

} // namespace vemlik::testing
