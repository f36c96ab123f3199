#include "user_file_location.h"

#include "vemlik/system_file.h"

#include <filesystem>

namespace vemlik {

std::string userConversionFileName(const std::optional<std::string>& executableFolder,
                                   const std::optional<std::string>& dataFolder) {
    const std::string besideExecutable = executableFolder.value_or("") + kUserConversionFileName;
    if (executableFolder && exists(besideExecutable)) {
        return besideExecutable;
    }
    if (dataFolder) {
        // The separator of the system's own names, which the messages show.
        constexpr char kSeparator = static_cast<char>(std::filesystem::path::preferred_separator);
        return *dataFolder + kSeparator + "vemlik" + kSeparator + kUserConversionFileName;
    }
    return besideExecutable;
}

} // namespace vemlik
