#pragma once

#include <string_view>

namespace vemlik {

// Small character tests shared by the readers of conversion lines and unit expressions.
// A blank is the space character only; tabs are ordinary characters there.

inline bool isDecimalDigit(char character) {
    return character >= '0' && character <= '9';
}

inline std::string_view withoutLeadingBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

inline std::string_view withoutTrailingBlanks(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

} // namespace vemlik
