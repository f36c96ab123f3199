#pragma once

#include <cstdlib>
#include <string>

namespace vemlik::testing {

// Sets a variable of this process's environment, which the programs it starts inherit.
inline void setVariable(const std::string& name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name.c_str(), value.c_str());
#else
    setenv(name.c_str(), value.c_str(), 1);
#endif
}

} // namespace vemlik::testing
