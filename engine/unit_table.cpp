#include "unit_table.h"

#include "built_in_units.h"
#include "text_encoding.h"
#include "user_conversion_file.h"

namespace vemlik {

namespace {

void fillRow(UnitRecord& row, std::string_view abbreviation, double factor,
             std::int32_t dimensionCode) {
    row.abbreviation = std::string(abbreviation);
    row.factor = factor;
    row.dimensionCode = dimensionCode;
    row.length = static_cast<std::int16_t>(characterCount(abbreviation));
}

} // namespace

void initialiseEngine(EngineState& state, MessageSink& messages,
                      const std::string& applicationDirectory) {
    state.builtInCount = kBuiltInCount;
    state.baseSymbols = {"m", "s", "kg", "K", "A", "mol", "cd", "x"};
    for (int row = 1; row <= kBuiltInCount; ++row) {
        const BuiltInUnit& unit = kBuiltInUnits[static_cast<std::size_t>(row - 1)];
        fillRow(state.rows[static_cast<std::size_t>(row)], unit.abbreviation, unit.factor,
                unit.dimensionCode);
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
    state.userFileName = state.applicationDirectory + kUserConversionFileName;
    readUserConversionFile(state, messages);
}

int findUnitRow(const EngineState& state, std::string_view name) {
    for (int row = 1; row <= state.rowCount; ++row) {
        if (equalIgnoringCase(state.rows[static_cast<std::size_t>(row)].abbreviation, name)) {
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
    fillRow(state.rows[static_cast<std::size_t>(state.rowCount)], abbreviation, factor,
            dimensionCode);
    return true;
}

} // namespace vemlik
