#pragma once

#include <optional>
#include <string>

namespace vemlik {

inline constexpr const char* kUserConversionFileName = "Prevody.kfc";

// The full name of the user conversion file. A Prevody.kfc beside the executable (a portable
// copy, or a folder taken over from an earlier installation) stays the user's file; otherwise it
// lies in the folder "vemlik" of the user's data folder. Without a data folder it stays beside
// the executable. The executable's folder ends in a separator.
std::string userConversionFileName(const std::optional<std::string>& executableFolder,
                                   const std::optional<std::string>& dataFolder);

} // namespace vemlik
