#include "executable_directory.h"

#include <climits>
#include <unistd.h>

namespace vemlik::cli {

std::optional<std::string> executableDirectory() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof path) {
        return std::nullopt;
    }
    const std::string executable(path, static_cast<std::size_t>(length));
    const std::size_t slash = executable.rfind('/');
    if (slash == std::string::npos) {
        return std::nullopt;
    }
    return executable.substr(0, slash + 1);
}

} // namespace vemlik::cli
