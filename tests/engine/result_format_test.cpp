#include "result_format.h"

#include "initialised_engine.h"
#include "line_converter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vemlik {
namespace {

struct Formatting {
    double value;
    const char* text;
};

void PrintTo(const Formatting& formatting, std::ostream* out) {
    *out << formatting.text;
}

class DoubleFormatting : public ::testing::TestWithParam<Formatting> {};

TEST_P(DoubleFormatting, WritesTheValueByItsMagnitude) {
    EXPECT_EQ(formatValue(GetParam().value, ValuePrecision::Double, ","), GetParam().text);
}

const double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    MagnitudeClasses, DoubleFormatting,
    ::testing::Values(Formatting{12345.678, "1,2346E+04"}, Formatting{1E100, "1,0000E+100"},
                      Formatting{1234.5, "1234,50"}, Formatting{9999, "9999,00"},
                      Formatting{-150.5, "-150,50"}, Formatting{12.3456, "12,346"},
                      Formatting{99.99, "99,990"}, Formatting{1.23456, "1,2346"},
                      Formatting{0.123456, "0,12346"}, Formatting{-0.5, "-0,50000"},
                      Formatting{0.0123456, "0,012346"}, Formatting{0.000123456, "1,2346E-04"},
                      Formatting{0, "0,0000E00"}, Formatting{-0.0, "0,0000E00"},
                      Formatting{-0.000123456, "-1,2346E-04"}, Formatting{1E-100, "1,0000E-100"},
                      Formatting{5E-324, "4,9407E-324"}));

INSTANTIATE_TEST_SUITE_P(
    Thresholds, DoubleFormatting,
    ::testing::Values(
        Formatting{std::nextafter(9999.0, kInfinity), "9,9990E+03"},
        Formatting{std::nextafter(99.99, kInfinity), "99,99"}, Formatting{9.999, "9,9990"},
        Formatting{std::nextafter(9.999, kInfinity), "9,999"}, Formatting{0.9999, "0,99990"},
        Formatting{std::nextafter(0.9999, kInfinity), "0,9999"}, Formatting{0.09999, "0,099990"},
        Formatting{std::nextafter(0.09999, kInfinity), "0,09999"},
        Formatting{0.009999, "9,9990E-03"},
        Formatting{std::nextafter(0.009999, kInfinity), "0,009999"}));

INSTANTIATE_TEST_SUITE_P(
    Rounding, DoubleFormatting,
    ::testing::Values(Formatting{12.3455, "12,346"}, Formatting{-1.00005, "-1,0001"},
                      Formatting{0.0123455, "0,012346"}, Formatting{1.23454999, "1,2345"},
                      Formatting{9.99996, "10,000"}, Formatting{99999.5, "1,0000E+05"},
                      Formatting{9.99995E-5, "1,0000E-04"}));

TEST(SingleFormatting, RoundsFromSevenSignificantDigits) {
    EXPECT_EQ(formatValue(6.0960002F, ValuePrecision::Single, ","), "6,0960");
    EXPECT_EQ(formatValue(99.99F, ValuePrecision::Single, ","), "99,990");
    EXPECT_EQ(formatValue(1.00005F, ValuePrecision::Single, ","), "1,0001");
    EXPECT_EQ(formatValue(491.670013F, ValuePrecision::Single, ","), "491,67");
    EXPECT_EQ(formatValue(0.1F, ValuePrecision::Single, ","), "0,10000");
    EXPECT_EQ(formatValue(12.3455F, ValuePrecision::Single, ","), "12,346");
    EXPECT_EQ(formatValue(12.3455F, ValuePrecision::Double, ","), "12,345");
    EXPECT_EQ(formatValue(3e38F, ValuePrecision::Single, ","), "3,0000E+38");
}

TEST(SeparatorFormatting, UsesTheSeparatorItIsGiven) {
    EXPECT_EQ(formatValue(12.3456, ValuePrecision::Double, "."), "12.346");
    EXPECT_EQ(formatValue(-12345.678, ValuePrecision::Double, "\u066B"), "-1\u066B2346E+04");
    EXPECT_EQ(formatValue(0.5, ValuePrecision::Double, "\u066B"), "0\u066B50000");
}

class ResultUnit : public testing::InitialisedEngine {
protected:
    std::string unitOf(std::string_view line) {
        state.inputLine = line;
        convertLine(state, sink);
        return resultUnitText(state);
    }
    std::string unitOfVector(const DimensionVector& vector) {
        state.errorFlag = kNoError;
        state.secondOperandText = "u";
        state.secondOperandVector = vector;
        return resultUnitText(state);
    }
};

TEST_F(ResultUnit, NamesSevenDerivedUnits) {
    EXPECT_EQ(unitOf("5 N*m"), "J");
    EXPECT_EQ(unitOf("5 kg*m/s2"), "N");
    EXPECT_EQ(unitOf("5 kW"), "W");
    EXPECT_EQ(unitOf("5 atm"), "Pa");
    EXPECT_EQ(unitOf("5 cp"), "Pas");
    EXPECT_EQ(unitOf("5 kOhm"), "Ohm");
    EXPECT_EQ(unitOf("5 mV"), "V");
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(ResultUnit, SpellsOutEveryOtherDimension) {
    EXPECT_EQ(unitOf("36 km/h"), "m/s");
    EXPECT_EQ(unitOf("154,5 kcal/m2/h/C"), "kg/K/s3");
    EXPECT_EQ(unitOf("5 m2"), "m2");
    EXPECT_EQ(unitOf("5 km/m/h"), "/s");
    EXPECT_EQ(unitOf("5 m/ar/l"), "/m4");
    EXPECT_EQ(unitOf("5 kW/K"), "kg*m2/K/s3");
    EXPECT_EQ(unitOf("5 A*s"), "A*s");
    EXPECT_EQ(unitOf("5 x*m"), "x*m");
    EXPECT_EQ(unitOf("5 mol*kg3"), "mol*kg3");
    EXPECT_EQ(unitOf("5 m/m"), "");
    EXPECT_EQ(unitOfVector({-1, -2, -3, -4, -5, -6, -7, -8}), "/x8/cd7/mol6/A5/K4/kg3/s2/m");
    EXPECT_EQ(unitOfVector({12, -4, 1}), "W");
}

TEST_F(ResultUnit, IsEmptyAfterAnErrorOrWithoutSource) {
    EXPECT_EQ(unitOf("m 5 s"), "");
    EXPECT_EQ(unitOf("5 xyz*N"), "");
    EXPECT_EQ(unitOf("1e999 m"), "");
    EXPECT_EQ(unitOf("km 5"), "");
    state.secondOperandVector = {1, -2, 1};
    state.secondOperandText.clear();
    EXPECT_EQ(resultUnitText(state), "");
}

TEST_F(ResultUnit, CodesBeyondThirtyTwoBitsAreSpelledOut) {
    // The wide code is 4294967812, which 32 bits would cut down to 516 (W).
    EXPECT_EQ(unitOfVector({-2, -3, 4, 3, 2, 5, 0, 425}), "x425*mol5*A2*K3*kg4/s3/m2");
    EXPECT_EQ(unitOfVector({0, 0, 0, 0, 0, 0, 0, 32767}), "x32767");
}

} // namespace
} // namespace vemlik
