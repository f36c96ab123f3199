#include "dimension_code.h"

#include <gtest/gtest.h>

namespace vemlik {
namespace {

struct Example {
    DimensionVector vector;
    std::int32_t code;
    int highest;
};

TEST(DimensionCode, EncodesAndDecodesOneDigitPerPosition) {
    // Exponents by position: m, s, kg, K, A, mol, cd, x.
    for (const auto& [vector, code, highest] :
         {Example{{}, 0, 0}, Example{{0, 1}, 54, 1}, Example{{-1, -2, 1}, 523, 2},
          Example{{0, 0, 0, 0, 0, 0, 0, 1}, 54444444, 7},
          Example{{5, -3, 1, 2, -1, 0, 3, -2}, 27436519, 7}}) {
        EXPECT_EQ(encodeDimensionCode(vector), code);
        DimensionVector decoded;
        decoded.fill(9);
        EXPECT_EQ(decodeDimensionCode(code, decoded), highest) << code;
        EXPECT_EQ(decoded, vector) << code;
    }
    // -4 encodes as the digit 0, which reads back as no exponent, as does a 4 on top of a code
    // from a file; the highest position is that of the last exponent that is not 0.
    EXPECT_EQ(encodeDimensionCode({-4, 1}), 50);
    DimensionVector decoded;
    EXPECT_EQ(decodeDimensionCode(4050, decoded), 1);
    EXPECT_EQ(decoded, (DimensionVector{0, 1}));
}

} // namespace
} // namespace vemlik
