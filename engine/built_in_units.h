#pragma once

#include "unit_table.h"

#include <array>
#include <cstdint>

namespace vemlik {

struct BuiltInUnit {
    const char* abbreviation;
    double factor;
    std::int32_t dimensionCode;
};

// Rows 1 to 91 of the unit table, in table order.
extern const std::array<BuiltInUnit, kBuiltInCount> kBuiltInUnits;

} // namespace vemlik
