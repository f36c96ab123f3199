#include "unit_expression.h"

#include "initialised_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
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
    void expectParses(std::initializer_list<Expression> expressions) {
        for (const auto& [text, factor, vector, messages] : expressions) {
            sink.messages.clear();
            const UnitExpressionValue value = parseUnitExpression(units, sink, text);
            EXPECT_EQ(value.factor, factor) << '"' << text << '"';
            EXPECT_EQ(value.vector, vector) << '"' << text << '"';
            EXPECT_EQ(sink.messages, messages) << '"' << text << '"';
            EXPECT_EQ(value.unknownName, !messages.empty()) << '"' << text << '"';
        }
    }
};

TEST_F(UnitExpression, MultipliesKnownNamesRaisingTheHighestPosition) {
    ASSERT_TRUE(addUserUnit(units, "čtvrť", 2.5, 6));
    expectParses({Expression{"", 1, {}, {}}, Expression{"kg2*m/s2/K", 1, {1, -2, 2, -1}, {}},
                  Expression{"kcal/m2/h/C", 4186.8 / 3600, {0, -3, 1, -1}, {}},
                  Expression{"l2", std::pow(0.001, 2), {4}, {}},
                  Expression{"Pa2", 1, {-1, -2, 2}, {}}, Expression{"W/m2*K", 1, {0, -3, 1, 1}, {}},
                  Expression{"mw", 1e6, {2, -3, 1}, {}}, Expression{"m0", 1, {1}, {}},
                  Expression{"kg/", 1, {0, 0, 1}, {}}, Expression{"kg/  s", 1, {0, -1, 1}, {}},
                  Expression{"ČTVRŤ2/s", 6.25, {3, -1}, {}}});
}

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
    for (const auto& [text, position, exponent, withinRange] :
         {std::tuple{huge, 0, 32767, false}, std::tuple{tiny, 1, -32768, false},
          std::tuple{std::string("m9*m9/s9"), 0, 18, true}}) {
        const UnitExpressionValue value = parseUnitExpression(units, sink, text);
        EXPECT_EQ(value.vector[static_cast<std::size_t>(position)], exponent);
        EXPECT_EQ(value.withinRange, withinRange);
    }
    EXPECT_TRUE(sink.messages.empty());
}

} // namespace
} // namespace vemlik
