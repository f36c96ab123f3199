#include "results_file_format.h"

#include "text_encoding.h"

namespace vemlik {

std::string singleConversionLine(std::string_view lineText, std::string_view resultText) {
    // The next zone always starts after the text, so a text that fills its zone gets a whole
    // zone of blanks.
    const std::size_t padding = kPrintZoneWidth - characterCount(lineText) % kPrintZoneWidth;
    std::string line(lineText);
    line.append(padding, ' ');
    line += "=  ";
    line += resultText;
    line += "\r\n";
    return line;
}

} // namespace vemlik
