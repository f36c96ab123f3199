#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vemlik {

// Text inside the program is UTF-8; files written on Czech systems may be in Windows-1250.

bool isValidUtf8(std::string_view bytes);
std::string windows1250ToUtf8(std::string_view bytes);
// Nothing when the text holds a character that Windows-1250 cannot carry.
std::optional<std::string> utf8ToWindows1250(std::string_view text);

// Characters, not bytes.
std::size_t characterCount(std::string_view text);

// Small and capital letters are alike for ASCII and the Latin letters of Central European
// languages (Czech among them).
bool equalIgnoringCase(std::string_view a, std::string_view b);

} // namespace vemlik
