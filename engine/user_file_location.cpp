#include "user_file_location.h"

#include "vemlik/system_file.h"

namespace vemlik {

std::string userConversionFileName(const std::optional<std::string>& executableFolder,
                                   const std::optional<std::string>& dataFolder) {
    const std::string besideExecutable = executableFolder.value_or("") + kUserConversionFileName;
    if (executableFolder && exists(besideExecutable)) {
        return besideExecutable;
    }
    if (dataFolder) {
        return *dataFolder + "/vemlik/" + kUserConversionFileName;
    }
    return besideExecutable;
}

} // namespace vemlik
