#include "dimension_code.h"

#include <gtest/gtest.h>

#include <limits>

namespace vemlik {
namespace {

TEST(DimensionCodeTest, EncodesAndDecodesTheExamples) {
    // Exponents by position: m, s, kg, K, A, mol, cd, x.
    const struct {
        DimensionVector vector;
        std::int32_t code;
        int highest;
    } examples[] = {
        {{}, 0, 0},
        {{1}, 5, 0},
        {{3}, 7, 0},
        {{0, 1}, 54, 1},
        {{0, 0, 0, 1}, 5444, 3},
        {{0, 0, 0, 0, 0, 1}, 544444, 5},
        {{0, 0, 0, 0, 0, 0, 0, 1}, 54444444, 7},
        {{1, -2, 1}, 525, 2},
        {{-1, -2, 1}, 523, 2},
        {{2, -3, 1, 0, -1}, 34516, 4},
        {{2, -3, 1, 0, -2}, 24516, 4},
        {{5, -3, 1, 2, -1, 0, 3, -2}, 27436519, 7},
    };
    for (const auto& example : examples) {
        SCOPED_TRACE(example.code);
        EXPECT_EQ(encodeDimensionCode(example.vector), example.code);
        DimensionVector decoded;
        decoded.fill(9);
        EXPECT_EQ(decodeDimensionCode(example.code, decoded), example.highest);
        EXPECT_EQ(decoded, example.vector);
    }
}

TEST(DimensionCodeTest, ExponentMinusFourComesBackAsZero) {
    EXPECT_EQ(encodeDimensionCode({-4, 1}), 50);
    DimensionVector decoded;
    EXPECT_EQ(decodeDimensionCode(50, decoded), 1);
    EXPECT_EQ(decoded, (DimensionVector{0, 1}));
}

TEST(DimensionCodeTest, HugeExponentsGiveCodesBeyond32Bits) {
    DimensionVector vector{};
    vector[7] = std::numeric_limits<std::int16_t>::max();
    EXPECT_GT(encodeDimensionCode(vector), std::numeric_limits<std::int32_t>::max());
    vector.fill(std::numeric_limits<std::int16_t>::min());
    EXPECT_LT(encodeDimensionCode(vector), std::numeric_limits<std::int32_t>::min());
}

} // namespace
} // namespace vemlik
