#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vemlik {

// Base positions of a dimension vector: m, s, kg, K, A, mol, cd and x.
inline constexpr int kBasePositionCount = 8;
using DimensionVector = std::array<std::int16_t, kBasePositionCount>;

inline constexpr int kBuiltInCount = 91;
inline constexpr int kMaxRows = 100;
inline constexpr int kResultListSize = 5;

enum ErrorFlag : std::int16_t {
    kNoError = 0,
    kInconsistentUnits = 1,
    kUnknownUnit = 2,
    kResultOutOfRange = 3,
};

// One row of the unit table.
struct UnitRecord {
    std::string abbreviation; // UTF-8, letter case as written
    double factor = 0;        // value of one unit in SI base units
    std::int32_t dimensionCode = 0;
    std::int16_t length = 0; // characters (not bytes) of the abbreviation
};

// All conversion state of the program. The program makes exactly one; tests make fresh ones.
// Screens hand their input over through these fields and read results back from them.
struct EngineState {
    std::array<std::string, kBasePositionCount> baseSymbols;

    // Rows are numbered from 1; row 0 is never used.
    std::array<UnitRecord, kMaxRows + 1> rows;
    // Size and first letter of each row's abbreviation, kept beside the rows by the unit table
    // so that a lookup passes over most rows without touching their text.
    std::array<std::uint32_t, kMaxRows + 1> lookupKeys{};
    int builtInCount = 0;
    int userRowCount = 0;
    int rowCount = 0;

    std::string applicationDirectory; // with a trailing separator
    std::string userFileName;         // full name of the user's Prevody.kfc

    // The line converter reads and consumes this.
    std::string inputLine;

    // First operand: the target unit written before the number; second: the source unit after it.
    std::string firstOperandText;
    std::string secondOperandText;
    double firstOperandFactor = 0;
    double secondOperandFactor = 0;
    double firstOperandOffset = 0;
    double secondOperandOffset = 0;
    DimensionVector firstOperandVector{};
    DimensionVector secondOperandVector{};
    DimensionVector termVector{};

    std::int16_t errorFlag = kNoError;

    // Entries 1 to 5 hold the converted values of the items of the last line; entry 0 is unused.
    std::array<float, kResultListSize + 1> resultList{};

    // 1 while the results file is open for appending.
    std::int16_t resultsFileFlag = 0;
};

} // namespace vemlik
