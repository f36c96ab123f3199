#pragma once

#include <optional>
#include <string>

namespace vemlik::cli {

// The directory that holds the running executable, with a trailing "/"; nothing when the
// system does not tell.
std::optional<std::string> executableDirectory();

} // namespace vemlik::cli
