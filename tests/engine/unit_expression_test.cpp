#include "unit_expression.h"

#include "initialised_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace vemlik {
namespace {

using Messages = std::vector<std::string>;

struct Expression {
    const char* text;
    double factor;
    DimensionVector vector;
    Messages messages;
};

void PrintTo(const Expression& expression, std::ostream* out) {
    *out << '"' << expression.text << '"';
}

class UnitExpressionParser : public testing::InitialisedEngine {};

class UnitExpression : public testing::InitialisedEngine,
                       public ::testing::WithParamInterface<Expression> {};

TEST_P(UnitExpression, GivesFactorVectorAndMessages) {
    const Expression& expected = GetParam();
    double factor = -1;
    DimensionVector vector{9, 9, 9, 9, 9, 9, 9, 9};
    parseUnitExpression(state, sink, expected.text, factor, vector);
    EXPECT_EQ(factor, expected.factor);
    EXPECT_EQ(vector, expected.vector);
    EXPECT_EQ(sink.messages, expected.messages);
    EXPECT_EQ(state.errorFlag, expected.messages.empty() ? kNoError : kUnknownUnit);
}

INSTANTIATE_TEST_SUITE_P(
    KnownNames, UnitExpression,
    ::testing::Values(Expression{"", 1, {}, {}}, Expression{"kg2*m/s2/K", 1, {1, -2, 2, -1}, {}},
                      Expression{"kcal/m2/h/C", 4186.8 / 3600, {0, -3, 1, -1}, {}},
                      Expression{"km/h", 1000.0 / 3600, {1, -1}, {}},
                      Expression{"cm3", std::pow(0.01, 3), {3}, {}},
                      Expression{"l2", std::pow(0.001, 2), {4}, {}},
                      Expression{"Pa2", 1, {-1, -2, 2}, {}},
                      Expression{"W/m2*K", 1, {0, -3, 1, 1}, {}},
                      Expression{"KG", 1, {0, 0, 1}, {}}, Expression{"mw", 1e6, {2, -3, 1}, {}},
                      Expression{"m0", 1, {1}, {}}, Expression{" m", 1, {1}, {}},
                      Expression{"kg/", 1, {0, 0, 1}, {}}, Expression{"kg/  s", 1, {0, -1, 1}, {}},
                      Expression{"x/mol", 1, {0, 0, 0, 0, 0, -1, 0, 1}, {}},
                      Expression{"mol/kmol", 1.0 / 1000, {}, {}}));

INSTANTIATE_TEST_SUITE_P(
    UnknownNames, UnitExpression,
    ::testing::Values(Expression{"m12", 1, {}, {"Neznamy rozmer!: m1"}},
                      Expression{"m ", 1, {}, {"Neznamy rozmer!: m "}},
                      Expression{"kg m", 1, {}, {"Neznamy rozmer!: kg m"}},
                      Expression{"xyz*m", 1, {1}, {"Neznamy rozmer!: xyz"}},
                      Expression{"m *s", 1, {0, 1}, {"Neznamy rozmer!: m "}},
                      Expression{"km*abc3/def/h",
                                 1000.0 / 3600,
                                 {1, -1},
                                 {"Neznamy rozmer!: abc", "Neznamy rozmer!: def"}},
                      Expression{"kg**m", 1, {1, 0, 1}, {"Neznamy rozmer!: "}},
                      Expression{"/m", 1, {-1}, {"Neznamy rozmer!: "}},
                      Expression{"kg/ /m", 1, {-1, 0, 1}, {"Neznamy rozmer!: "}},
                      Expression{"   ", 1, {}, {"Neznamy rozmer!: "}}));

TEST_F(UnitExpressionParser, NeverClearsTheErrorFlag) {
    double factor = 0;
    DimensionVector vector{};
    state.errorFlag = kInconsistentUnits;
    parseUnitExpression(state, sink, "km", factor, vector);
    EXPECT_EQ(state.errorFlag, kInconsistentUnits);
    EXPECT_EQ(factor, 1000);
    parseUnitExpression(state, sink, "", factor, vector);
    EXPECT_EQ(state.errorFlag, kInconsistentUnits);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(UnitExpressionParser, FindsUserRowsIgnoringCase) {
    ASSERT_TRUE(addUserUnit(state, "čtvrť", 2.5, 6));
    double factor = 0;
    DimensionVector vector{};
    parseUnitExpression(state, sink, "ČTVRŤ2/s", factor, vector);
    EXPECT_EQ(factor, 6.25);
    EXPECT_EQ(vector, (DimensionVector{3, -1}));
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(UnitExpressionParser, ExponentsStopAtTheEdgeOfTheirRange) {
    std::string huge = "m9";
    std::string tiny = "s/s9";
    for (int factorCount = 0; factorCount < 4000; ++factorCount) {
        huge += "*m9";
        tiny += "/s9";
    }
    double factor = 0;
    DimensionVector vector{};
    parseUnitExpression(state, sink, huge, factor, vector);
    EXPECT_EQ(vector[0], 32767);
    parseUnitExpression(state, sink, tiny, factor, vector);
    EXPECT_EQ(vector[1], -32768);
    EXPECT_TRUE(sink.messages.empty());
}

} // namespace
} // namespace vemlik
