#pragma once

#include <optional>
#include <string_view>

namespace vemlik {

// The leading decimal number of a text: blanks, tabs and line feeds anywhere are skipped,
// then an optional sign, digits with at most one ".", an optional exponent (E or D).
// A text without digits reads as 0.
double readNumber(std::string_view text);

// As readNumber, but a text that begins with &H or &O is read as a hexadecimal or octal integer.
double readNumberWithRadix(std::string_view text);

// A factor typed by the user: the whole trimmed text must be one number, with "." or "," as
// its decimal point and an optional exponent (E or D). Nothing when it is not.
std::optional<double> parseFactorText(std::string_view text);

// A number field of a user conversion file record: the whole text must be one number with "."
// as its decimal point and an optional exponent (E only). Nothing when it is not, or when it
// lies beyond the range of a double.
std::optional<double> parseRecordNumber(std::string_view text);

} // namespace vemlik
