#include "dimension_code.h"

#include <gtest/gtest.h>

#include <limits>

namespace vemlik {
namespace {

struct Example {
    DimensionVector vector;
    std::int32_t code;
    int highest;
};

TEST(DimensionCode, EncodesAndDecodesTheExamples) {
    // Exponents by position: m, s, kg, K, A, mol, cd, x.
    for (const auto& [vector, code, highest] :
         {Example{{}, 0, 0}, Example{{1}, 5, 0}, Example{{3}, 7, 0}, Example{{0, 1}, 54, 1},
          Example{{0, 0, 0, 1}, 5444, 3}, Example{{0, 0, 0, 0, 0, 1}, 544444, 5},
          Example{{0, 0, 0, 0, 0, 0, 0, 1}, 54444444, 7}, Example{{1, -2, 1}, 525, 2},
          Example{{-1, -2, 1}, 523, 2}, Example{{2, -3, 1, 0, -1}, 34516, 4},
          Example{{2, -3, 1, 0, -2}, 24516, 4},
          Example{{5, -3, 1, 2, -1, 0, 3, -2}, 27436519, 7}}) {
        EXPECT_EQ(encodeDimensionCode(vector), code);
        DimensionVector decoded;
        decoded.fill(9);
        EXPECT_EQ(decodeDimensionCode(code, decoded), highest) << code;
        EXPECT_EQ(decoded, vector) << code;
    }
}

TEST(DimensionCode, ExponentsAtTheEdges) {
    // -4 encodes as the digit 0 and so comes back as no exponent at all.
    EXPECT_EQ(encodeDimensionCode({-4, 1}), 50);
    DimensionVector decoded;
    EXPECT_EQ(decodeDimensionCode(50, decoded), 1);
    EXPECT_EQ(decoded, (DimensionVector{0, 1}));
    // Huge exponents give codes beyond 32 bits.
    DimensionVector vector{};
    vector[7] = std::numeric_limits<std::int16_t>::max();
    EXPECT_GT(encodeDimensionCode(vector), std::numeric_limits<std::int32_t>::max());
    vector.fill(std::numeric_limits<std::int16_t>::min());
    EXPECT_LT(encodeDimensionCode(vector), std::numeric_limits<std::int32_t>::min());
}

} // namespace
} // namespace vemlik
