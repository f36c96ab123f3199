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

class UnitExpression : public testing::InitialisedEngine {
protected:
    bool parse(std::string_view text) {
        factor = -1;
        vector.fill(9);
        return parseUnitExpression(state, sink, text, factor, vector);
    }
    void expectParses(std::initializer_list<Expression> expressions) {
        for (const auto& [text, expectedFactor, expectedVector, messages] : expressions) {
            state.errorFlag = kNoError;
            sink.messages.clear();
            parse(text);
            EXPECT_EQ(factor, expectedFactor) << '"' << text << '"';
            EXPECT_EQ(vector, expectedVector) << '"' << text << '"';
            EXPECT_EQ(sink.messages, messages) << '"' << text << '"';
            EXPECT_EQ(state.errorFlag, messages.empty() ? kNoError : kUnknownUnit) << text;
        }
    }

    double factor = 0;
    DimensionVector vector{};
};

TEST_F(UnitExpression, MultipliesKnownNamesRaisingTheHighestPosition) {
    ASSERT_TRUE(addUserUnit(state, "čtvrť", 2.5, 6));
    expectParses({Expression{"", 1, {}, {}}, Expression{"kg2*m/s2/K", 1, {1, -2, 2, -1}, {}},
                  Expression{"kcal/m2/h/C", 4186.8 / 3600, {0, -3, 1, -1}, {}},
                  Expression{"l2", std::pow(0.001, 2), {4}, {}},
                  Expression{"Pa2", 1, {-1, -2, 2}, {}}, Expression{"W/m2*K", 1, {0, -3, 1, 1}, {}},
                  Expression{"mw", 1e6, {2, -3, 1}, {}}, Expression{"m0", 1, {1}, {}},
                  Expression{"kg/", 1, {0, 0, 1}, {}}, Expression{"kg/  s", 1, {0, -1, 1}, {}},
                  Expression{"ČTVRŤ2/s", 6.25, {3, -1}, {}}});
}

// A known name after an unknown one leaves the flag set.
TEST_F(UnitExpression, CountsUnknownNamesAsOneAndReportsThem) {
    const std::string unknown = "Neznamy rozmer!: ";
    expectParses(
        {Expression{"m12", 1, {}, {unknown + "m1"}},
         Expression{"m *s", 1, {0, 1}, {unknown + "m "}},
         Expression{"km*abc3/def/h", 1000.0 / 3600, {1, -1}, {unknown + "abc", unknown + "def"}},
         Expression{"/m", 1, {-1}, {unknown}}, Expression{"kg/ /m", 1, {-1, 0, 1}, {unknown}}});
}

TEST_F(UnitExpression, ExponentsStopAtTheEdgeOfTheirRange) {
    std::string huge = "m9";
    std::string tiny = "s/s9";
    for (int factorCount = 0; factorCount < 4000; ++factorCount) {
        huge += "*m9";
        tiny += "/s9";
    }
    EXPECT_FALSE(parse(huge));
    EXPECT_EQ(vector[0], 32767);
    EXPECT_FALSE(parse(tiny));
    EXPECT_EQ(vector[1], -32768);
    EXPECT_TRUE(parse("m9*m9/s9"));
    EXPECT_TRUE(sink.messages.empty());
}

} // namespace
} // namespace vemlik
