#include "results_file_format.h"

#include "vemlik/text_encoding.h"

namespace vemlik {

namespace {

// Column at which the target unit starts on the units line: under the second header text, or
// further right for a long source unit, so the two texts always stay apart.
inline constexpr std::size_t kTargetUnitStep = 16;

std::size_t nextPrintZone(std::size_t column) {
    return column + kPrintZoneWidth - column % kPrintZoneWidth;
}

// The line from the reading position up to the next CR, moving the position past its LF; a
// single blank, leaving the position, when no CR follows.
std::string_view nextLine(std::string_view text, std::size_t& position) {
    const std::size_t cr = text.find('\r', position);
    if (cr == std::string_view::npos) {
        return " ";
    }
    const std::string_view line = text.substr(position, cr - position);
    // A CR without its LF must not cost the next row its first character.
    position = text.substr(cr + 1, 1) == "\n" ? cr + 2 : cr + 1;
    return line;
}

// The page keeps its rows apart by LF alone; the file's rows end in CR LF.
std::string withCarriageReturns(std::string_view table) {
    std::string rows;
    rows.reserve(table.size() + table.size() / 8);
    for (const char character : table) {
        if (character == '\n') {
            rows += '\r';
        }
        rows += character;
    }
    return rows;
}

} // namespace

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

std::string blockTableSection(std::string_view sourceUnits, std::string_view targetUnits,
                              std::string_view pageTable) {
    const std::string table = withCarriageReturns(pageTable);
    std::string section = "\r\nVýchozí rozměr  Požadovaný rozměr\r\n";
    section += sourceUnits;
    const std::size_t sourceColumns = characterCount(sourceUnits);
    const std::size_t zone = nextPrintZone(sourceColumns);
    const std::size_t target = (zone + kTargetUnitStep - 1) / kTargetUnitStep * kTargetUnitStep;
    section.append(target - sourceColumns, ' ');
    section += targetUnits;
    section += "\r\n";
    std::size_t position = 0;
    std::string_view line;
    do {
        line = nextLine(table, position);
        section += line;
        section += "\r\n";
    } while (line != " ");
    return section;
}

} // namespace vemlik
