#include "locale_separator.h"

#include <clocale>

namespace vemlik::cli {

std::string localeDecimalSeparator() {
    std::string separator = ".";
    if (std::setlocale(LC_NUMERIC, "") != nullptr) {
        const char* point = std::localeconv()->decimal_point;
        if (point != nullptr && *point != '\0') {
            separator = point;
        }
    }
    std::setlocale(LC_NUMERIC, "C");
    return separator;
}

} // namespace vemlik::cli
