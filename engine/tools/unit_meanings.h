#pragma once

#include <span>

namespace vemlik {

// What a built-in unit abbreviation stands for, in Czech and in English.
struct UnitMeaning {
    const char* abbreviation;
    const char* czech;
    const char* english;
};

// One for each built-in unit, in the order of the unit table.
std::span<const UnitMeaning> unitMeanings();

} // namespace vemlik
