#include "unit_table.h"

#include "built_in_units.h"
#include "text_encoding.h"
#include "text_scanning.h"
#include "user_conversion_file.h"
#include "user_file_location.h"

namespace vemlik {

namespace {

// Both cases of a letter take the same bytes, and an ASCII character only ever equals an ASCII
// one: texts equal in either case have the same size and, when it is ASCII, the same folded
// first byte. All non-ASCII first bytes share one key.
std::uint32_t lookupKey(std::string_view text) {
    const auto first = static_cast<unsigned char>(text.empty() ? 0 : asciiLower(text.front()));
    return static_cast<std::uint32_t>(text.size() << 8) | (first < 0x80 ? first : 0x80u);
}

void fillRow(UnitTable& units, int number, std::string_view abbreviation, double factor,
             std::int32_t dimensionCode) {
    units.rows[static_cast<std::size_t>(number)] = {std::string(abbreviation), factor,
                                                    dimensionCode};
    units.lookupKeys[static_cast<std::size_t>(number)] = lookupKey(abbreviation);
}

} // namespace

void fillBuiltInUnits(UnitTable& units) {
    units.builtInCount = kBuiltInCount;
    for (int row = 1; row <= kBuiltInCount; ++row) {
        const BuiltInUnit& unit = kBuiltInUnits[static_cast<std::size_t>(row - 1)];
        fillRow(units, row, unit.abbreviation, unit.factor, unit.dimensionCode);
    }
    units.userRowCount = 0;
    units.rowCount = units.builtInCount;
}

void initialiseEngine(UnitTable& units, MessageSink& messages,
                      const std::string& applicationDirectory) {
    fillBuiltInUnits(units);
    std::string directory = applicationDirectory;
    if (!directory.empty() && directory.back() != '/') {
        directory += '/';
    }
    units.userFileName = userConversionFileName(directory);
    readUserConversionFile(units, messages);
}

int findUnitRow(const UnitTable& units, std::string_view name) {
    const std::uint32_t key = lookupKey(name);
    const int rowCount = units.rowCount;
    for (int row = 1; row <= rowCount; ++row) {
        const auto index = static_cast<std::size_t>(row);
        if (units.lookupKeys[index] == key &&
            equalIgnoringCase(units.rows[index].abbreviation, name)) {
            return row;
        }
    }
    return 0;
}

bool addUserUnit(UnitTable& units, std::string_view abbreviation, double factor,
                 std::int32_t dimensionCode) {
    if (units.rowCount >= kMaxRows) {
        return false;
    }
    ++units.rowCount;
    ++units.userRowCount;
    fillRow(units, units.rowCount, abbreviation, factor, dimensionCode);
    return true;
}

} // namespace vemlik
