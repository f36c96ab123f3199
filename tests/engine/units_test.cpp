#include "dimension_code.h"
#include "initialised_engine.h"
#include "unit_expression.h"

#include <cmath>

namespace vemlik {
namespace {

using testing::Messages;

// One digit per position, exponent + 4, in the order m, s, kg, K, A, mol, cd, x. -4 encodes as
// the digit 0, which reads back as no exponent, as does a 4 on top of a code from a file; the
// highest position is that of the last exponent that is not 0.
TEST(DimensionCode, EncodesAndDecodesOneDigitPerPosition) {
    EXPECT_EQ(encodeDimensionCode({5, -3, 1, 2, -1, 0, 3, -2}), 27436519);
    EXPECT_EQ(encodeDimensionCode({-4, 1}), 50);
    DimensionVector decoded;
    decoded.fill(9);
    EXPECT_EQ(decodeDimensionCode(4050, decoded), 1);
    EXPECT_EQ(decoded, (DimensionVector{0, 1}));
}

using Units = testing::InitialisedEngine;

// No two built-in abbreviations are equal when letter case is ignored, so that each built-in
// row is found by its own.
TEST_F(Units, LookupIgnoresCaseAndTakesTheFirstWholeMatch) {
    ASSERT_EQ(units->rowCount(), 91);
    for (int number = 1; number <= 91; ++number) {
        EXPECT_EQ(units->find(row(number).abbreviation), number);
    }
    for (const char* abbreviation : {"KM", "Sáh", "sáh", "Řádek"}) {
        ASSERT_TRUE(units->add(abbreviation, 2, 5));
    }
    for (const auto& [name, expected] :
         {std::pair{"N", 48}, std::pair{"mW", 45}, std::pair{"ATM", 31}, std::pair{"at", 30},
          std::pair{"km", 5}, std::pair{"SÁH", 93}, std::pair{"řÁDEK", 95}, std::pair{"cd", 0},
          std::pair{"m ", 0}, std::pair{"řádky", 0}}) {
        EXPECT_EQ(units->find(name), expected) << name;
    }
}

TEST_F(Units, ExpressionsMultiplyKnownNamesAndCountUnknownOnesAsOne) {
    const std::string unknown = "Neznamy rozmer!: ";
    ASSERT_TRUE(units->add("čtvrť", 2.5, 6));
    using Parse = std::tuple<const char*, double, DimensionVector, Messages>;
    for (const auto& [text, factor, vector, messages] :
         {Parse{"", 1, {}, {}}, Parse{"kg2*m/s2/K", 1, {1, -2, 2, -1}, {}},
          Parse{"kcal/m2/h/C", 4186.8 / 3600, {0, -3, 1, -1}, {}},
          Parse{"l2", std::pow(0.001, 2), {4}, {}}, Parse{"Pa2", 1, {-1, -2, 2}, {}},
          Parse{"W/m2*K", 1, {0, -3, 1, 1}, {}}, Parse{"mw", 1e6, {2, -3, 1}, {}},
          Parse{"m0", 1, {1}, {}}, Parse{"kg/", 1, {0, 0, 1}, {}},
          Parse{"kg/  s", 1, {0, -1, 1}, {}}, Parse{"ČTVRŤ2/s", 6.25, {3, -1}, {}},
          // Each unknown name is reported.
          Parse{"m12", 1, {}, {unknown + "m1"}}, Parse{"m *s", 1, {0, 1}, {unknown + "m "}},
          Parse{"km*abc3/def/h", 1000.0 / 3600, {1, -1}, {unknown + "abc", unknown + "def"}},
          Parse{"/m", 1, {-1}, {unknown}}, Parse{"kg/ /m", 1, {-1, 0, 1}, {unknown}}}) {
        sink.messages.clear();
        const UnitExpressionValue value = parseUnitExpression(*units, sink, text);
        EXPECT_EQ(std::tie(value.factor, value.vector, value.unknownName, sink.messages),
                  std::tuple(factor, vector, !messages.empty(), messages))
            << '"' << text << '"';
    }
}

} // namespace
} // namespace vemlik
