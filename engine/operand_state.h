#pragma once

#include "vemlik/engine.h"

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

inline constexpr int kResultListSize = 5;

// What the last line converted, or the last dimension parsed, met; the last fault wins.
enum class ErrorFlag : std::int16_t {
    None = 0,
    InconsistentUnits = 1,
    UnknownUnit = 2,
    ResultOutOfRange = 3,
};

// Told for a value that a result cannot hold, on a conversion line and on the block page.
inline constexpr std::string_view kOutOfRangeMessage = "Výsledek je mimo rozsah!";

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

    UnitPair pair() const { return {source.factor, source.offset, target.factor, target.offset}; }
};

// The one place where a value is converted, on a conversion line and on the block page.
inline double applyPair(const UnitPair& pair, double value) {
    return (value * pair.sourceFactor + pair.sourceOffset) / pair.targetFactor + pair.targetOffset;
}

// The operands that the pages share on purpose: a dimension entered on the user page and the
// last conversion line leave them for each other. The target is the unit written before the
// number (the "first operand"), the source the one after it (the "second operand").
struct OperandState {
    std::string targetText;
    std::string sourceText;
    Conversion conversion;
    // Of the last line converted or dimension parsed. The user page refuses to store a
    // dimension while it says that a unit was unknown, also when a conversion line set it.
    ErrorFlag errorFlag = ErrorFlag::None;
    // Item k of a line stores its converted value in entry k - 1. Entries are never cleared,
    // so an empty line gives back the first value that the lines before left.
    std::array<float, kResultListSize> resultList{};
};

} // namespace vemlik
