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

// One section of the results file for a block table: an empty line, the header line, the units
// line, the lines of the table, and a line of one blank. The table's lines end in LF, as the
// page holds them, and get CR LF in the file; they are taken up to a line of exactly one blank,
// and text after the last line end is left out.
std::string blockTableSection(std::string_view sourceUnits, std::string_view targetUnits,
                              std::string_view table);

} // namespace vemlik
