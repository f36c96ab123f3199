#include "user_file_location.h"

#include "unit_table.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace vemlik {

namespace {

bool isAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

} // namespace

std::string userConversionFileName(const std::string& applicationDirectory) {
    return userConversionFileName(applicationDirectory, std::getenv("XDG_DATA_HOME"),
                                  std::getenv("HOME"));
}

std::string userConversionFileName(const std::string& applicationDirectory, const char* dataHome,
                                   const char* home) {
    const std::string besideExecutable = applicationDirectory + kUserConversionFileName;
    std::error_code error;
    if (!applicationDirectory.empty() && std::filesystem::exists(besideExecutable, error)) {
        return besideExecutable;
    }
    const std::string_view folder = "/vemlik/";
    if (isAbsolute(dataHome)) {
        return std::string(dataHome) + std::string(folder) + kUserConversionFileName;
    }
    if (home != nullptr && home[0] != '\0') {
        return std::string(home) + "/.local/share" + std::string(folder) + kUserConversionFileName;
    }
    return besideExecutable;
}

} // namespace vemlik
