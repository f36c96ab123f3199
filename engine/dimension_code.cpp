#include "dimension_code.h"

namespace vemlik {

std::int64_t encodeDimensionCode(const DimensionVector& vector) {
    std::int64_t code = 0;
    bool digitWritten = false;
    for (int position = kBasePositionCount - 1; position >= 0; --position) {
        const std::int16_t exponent = vector[static_cast<std::size_t>(position)];
        if (exponent == 0 && !digitWritten) {
            continue;
        }
        code = code * 10 + exponent + 4;
        digitWritten = true;
    }
    return code;
}

int decodeDimensionCode(std::int32_t code, DimensionVector& vector) {
    // Positions past the highest digit read as 0, so the digits end when the code does.
    vector = {};
    int highest = 0;
    for (int position = 0; position < kBasePositionCount && code != 0; ++position) {
        // One division gives both the digit and the rest of the code.
        const std::int32_t rest = code / 10;
        const std::int32_t digit = code - rest * 10;
        code = rest;
        const auto exponent = static_cast<std::int16_t>(digit > 0 ? digit - 4 : 0);
        vector[static_cast<std::size_t>(position)] = exponent;
        if (exponent != 0) {
            highest = position;
        }
    }
    return highest;
}

} // namespace vemlik
