#pragma once

#include <cstdlib>
#include <string>

namespace vemlik::testing {

// Sets or removes a variable of this process's environment, which the programs it starts
// inherit.
inline void setVariable(const std::string& name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name.c_str(), value.c_str());
#else
    setenv(name.c_str(), value.c_str(), 1);
#endif
}

inline void removeVariable(const std::string& name) {
#ifdef _WIN32
    // An empty value removes the variable there.
    _putenv_s(name.c_str(), "");
#else
    unsetenv(name.c_str());
#endif
}

} // namespace vemlik::testing
