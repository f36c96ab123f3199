#pragma once

#include <string>

namespace vemlik::cli {

// The decimal separator of the user's locale settings (LC_ALL, LC_NUMERIC, LANG), "." when
// they name no usable locale. Leaves the program in the "C" locale, so that reading and
// writing numbers elsewhere does not depend on the settings.
std::string localeDecimalSeparator();

} // namespace vemlik::cli
