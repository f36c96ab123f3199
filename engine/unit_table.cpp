#include "unit_table.h"

#include "built_in_units.h"
#include "text_encoding.h"
#include "user_conversion_file.h"
#include "user_file_location.h"

namespace vemlik {

namespace {

// Letters in either case; other bytes stay as they are.
unsigned char asciiFolded(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return value >= 'A' && value <= 'Z' ? static_cast<unsigned char>(value | 0x20) : value;
}

// Both cases of a letter take the same bytes, and an ASCII character only ever equals an ASCII
// one: texts equal in either case have the same size and, when it is ASCII, the same folded
// first byte. All non-ASCII first bytes share one key.
std::uint32_t lookupKey(std::string_view text) {
    const unsigned char first = text.empty() ? 0 : asciiFolded(text.front());
    return static_cast<std::uint32_t>(text.size() << 8) | (first < 0x80 ? first : 0x80u);
}

void fillRow(EngineState& state, int number, std::string_view abbreviation, double factor,
             std::int32_t dimensionCode) {
    UnitRecord& row = state.rows[static_cast<std::size_t>(number)];
    row.abbreviation = std::string(abbreviation);
    row.factor = factor;
    row.dimensionCode = dimensionCode;
    row.length = static_cast<std::int16_t>(characterCount(abbreviation));
    state.lookupKeys[static_cast<std::size_t>(number)] = lookupKey(abbreviation);
}

} // namespace

void initialiseEngine(EngineState& state, MessageSink& messages,
                      const std::string& applicationDirectory) {
    state.builtInCount = kBuiltInCount;
    state.baseSymbols = {"m", "s", "kg", "K", "A", "mol", "cd", "x"};
    for (int row = 1; row <= kBuiltInCount; ++row) {
        const BuiltInUnit& unit = kBuiltInUnits[static_cast<std::size_t>(row - 1)];
        fillRow(state, row, unit.abbreviation, unit.factor, unit.dimensionCode);
    }
    state.termVector = {};
    state.firstOperandVector = {};
    state.secondOperandVector = {};
    state.resultsFileFlag = 0;
    state.userRowCount = 0;
    state.rowCount = state.builtInCount;

    state.applicationDirectory = applicationDirectory;
    if (!state.applicationDirectory.empty() && state.applicationDirectory.back() != '/') {
        state.applicationDirectory += '/';
    }
    state.userFileName = userConversionFileName(state.applicationDirectory);
    readUserConversionFile(state, messages);
}

int findUnitRow(const EngineState& state, std::string_view name) {
    const std::uint32_t key = lookupKey(name);
    const int rowCount = state.rowCount;
    for (int row = 1; row <= rowCount; ++row) {
        const auto index = static_cast<std::size_t>(row);
        if (state.lookupKeys[index] == key &&
            equalIgnoringCase(state.rows[index].abbreviation, name)) {
            return row;
        }
    }
    return 0;
}

bool addUserUnit(EngineState& state, std::string_view abbreviation, double factor,
                 std::int32_t dimensionCode) {
    if (state.rowCount >= kMaxRows) {
        return false;
    }
    ++state.rowCount;
    ++state.userRowCount;
    fillRow(state, state.rowCount, abbreviation, factor, dimensionCode);
    return true;
}

} // namespace vemlik
