#pragma once

#include <string_view>

namespace vemlik {

// Small character tests shared by the engine's readers of lines, expressions and records.
// A blank is the space character only; tabs are ordinary characters there.

inline bool isDecimalDigit(char character) {
    return character >= '0' && character <= '9';
}

// The index just past the run of digits that starts at the index.
inline std::size_t digitsEnd(std::string_view text, std::size_t index) {
    while (index < text.size() && isDecimalDigit(text[index])) {
        ++index;
    }
    return index;
}

// Capital ASCII letters become small ones; every other byte stays as it is.
inline char asciiLower(char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte + ('a' - 'A')) : byte;
}

// The index of the first character that passes the test; npos when none does. Cheaper than
// find_first_of, which searches its set of characters again for every character of the text.
template <typename Test> std::size_t findFirst(std::string_view text, Test test) {
    for (std::size_t index = 0; index < text.size(); ++index) {
        if (test(text[index])) {
            return index;
        }
    }
    return std::string_view::npos;
}

inline std::string_view withoutLeadingBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

inline std::string_view withoutTrailingBlanks(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

inline std::string_view withoutSurroundingBlanks(std::string_view text) {
    return withoutTrailingBlanks(withoutLeadingBlanks(text));
}

} // namespace vemlik
