#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vemlik {

// Base positions of a dimension vector: m, s, kg, K, A, mol, cd and x.
inline constexpr int kBasePositionCount = 8;
using DimensionVector = std::array<std::int16_t, kBasePositionCount>;
inline constexpr std::array<std::string_view, kBasePositionCount> kBaseSymbols = {
    "m", "s", "kg", "K", "A", "mol", "cd", "x"};

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
};

// The units known in this run: the built-in rows, then the user rows. It only grows.
struct UnitTable {
    // Rows are numbered from 1; row 0 is never used.
    std::array<UnitRecord, kMaxRows + 1> rows;
    // Size and first letter of each row's abbreviation, kept beside the rows so that a lookup
    // passes over most rows without touching their text.
    std::array<std::uint32_t, kMaxRows + 1> lookupKeys{};
    int builtInCount = 0;
    int userRowCount = 0;
    int rowCount = 0;

    std::string userFileName; // where the user rows come from and new ones are appended
};

// One side of a conversion as evaluated from its unit text.
struct Operand {
    double factor = 0;
    double offset = 0; // the zero point of a temperature scale, 0 for every other unit
    DimensionVector vector{};
};

// A value in the source unit, brought into SI base units (or kelvin) and out into the target.
struct Conversion {
    Operand target;
    Operand source;

    double apply(double value) const {
        return (value * source.factor + source.offset) / target.factor + target.offset;
    }
};

// The operands that the pages share on purpose: a dimension entered on the user page and the
// last conversion line leave them for each other. The target is the unit written before the
// number (the "first operand"), the source the one after it (the "second operand").
struct OperandState {
    std::string targetText;
    std::string sourceText;
    Conversion conversion;
    // Of the last line converted or dimension parsed. The user page refuses to store a
    // dimension while it says that a unit was unknown, also when a conversion line set it.
    std::int16_t errorFlag = kNoError;
    // Item k of a line stores its converted value in entry k - 1. Entries are never cleared,
    // so an empty line gives back the first value that the lines before left.
    std::array<float, kResultListSize> resultList{};
};

// What the program holds for the whole run and hands to its windows.
struct EngineState {
    UnitTable units;
    OperandState operands;
};

} // namespace vemlik
