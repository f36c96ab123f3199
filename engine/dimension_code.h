#pragma once

#include "operand_state.h"

#include <cstdint>

namespace vemlik {

// Packs a dimension vector into decimal digits, one per base position (digit = exponent + 4,
// units digit for m, leading zero exponents left out). Only exponents from -3 to +5 come back
// unchanged; computed wide, so that larger ones give codes that match no 32-bit code.
std::int64_t encodeDimensionCode(const DimensionVector& vector);

// Unpacks a dimension code into positions 0 to 7 of the vector (the digit 0 reads as exponent 0)
// and returns the highest position whose exponent is not 0, or 0 when all are 0.
int decodeDimensionCode(std::int32_t code, DimensionVector& vector);

} // namespace vemlik
