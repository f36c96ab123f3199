#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vemlik {

// Width of the print zones that line up the columns of the results file.
inline constexpr std::size_t kPrintZoneWidth = 14;

// One line of the results file for a single conversion: the conversion line as typed, blanks up
// to the next print zone (counted in characters), "=  ", the result text and CR LF.
std::string singleConversionLine(std::string_view lineText, std::string_view resultText);

} // namespace vemlik
