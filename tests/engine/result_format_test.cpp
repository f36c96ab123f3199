#include "result_format.h"

#include "initialised_engine.h"
#include "line_converter.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace vemlik {
namespace {

const double kInfinity = std::numeric_limits<double>::infinity();

struct Formatting {
    double value;
    const char* text;
};

void expectTexts(ValuePrecision precision, std::initializer_list<Formatting> formattings) {
    for (const auto& [value, text] : formattings) {
        EXPECT_EQ(formatValue(value, precision, ","), text);
    }
}

TEST(ResultFormat, WritesTheValueByItsMagnitude) {
    expectTexts(ValuePrecision::Double,
                {Formatting{12345.678, "1,2346E+04"}, Formatting{1E100, "1,0000E+100"},
                 Formatting{1234.5, "1234,50"}, Formatting{9999, "9999,00"},
                 Formatting{-150.5, "-150,50"}, Formatting{12.3456, "12,346"},
                 Formatting{99.99, "99,990"}, Formatting{1.23456, "1,2346"},
                 Formatting{0.123456, "0,12346"}, Formatting{-0.5, "-0,50000"},
                 Formatting{0.0123456, "0,012346"}, Formatting{0.000123456, "1,2346E-04"},
                 Formatting{0, "0,0000E00"}, Formatting{-0.0, "0,0000E00"},
                 Formatting{-0.000123456, "-1,2346E-04"}, Formatting{1E-100, "1,0000E-100"},
                 Formatting{5E-324, "4,9407E-324"}});
}

TEST(ResultFormat, ThresholdsAreTheDecimalsWritten) {
    expectTexts(
        ValuePrecision::Double,
        {Formatting{std::nextafter(9999.0, kInfinity), "9,9990E+03"},
         Formatting{std::nextafter(99.99, kInfinity), "99,99"}, Formatting{9.999, "9,9990"},
         Formatting{std::nextafter(9.999, kInfinity), "9,999"}, Formatting{0.9999, "0,99990"},
         Formatting{std::nextafter(0.9999, kInfinity), "0,9999"}, Formatting{0.09999, "0,099990"},
         Formatting{std::nextafter(0.09999, kInfinity), "0,09999"},
         Formatting{0.009999, "9,9990E-03"},
         Formatting{std::nextafter(0.009999, kInfinity), "0,009999"}});
}

TEST(ResultFormat, RoundsAndCarriesIntoTheNextClass) {
    expectTexts(ValuePrecision::Double,
                {Formatting{12.3455, "12,346"}, Formatting{-1.00005, "-1,0001"},
                 Formatting{0.0123455, "0,012346"}, Formatting{1.23454999, "1,2345"},
                 Formatting{9.99996, "10,000"}, Formatting{99999.5, "1,0000E+05"},
                 Formatting{9.99995E-5, "1,0000E-04"}, Formatting{12.3455F, "12,345"}});
}

TEST(ResultFormat, SingleValuesRoundFromTheirSevenSignificantDigits) {
    // 1234.565F is stored as 1234.56494...; its seven digits 1234.565 round up. The seven nines
    // of 9999999 carry when rounded to the mantissa's four decimals; those of 0.0099999998F
    // carry already into an eighth digit.
    expectTexts(ValuePrecision::Single,
                {Formatting{6.0960002F, "6,0960"}, Formatting{99.99F, "99,990"},
                 Formatting{1.00005F, "1,0001"}, Formatting{491.670013F, "491,67"},
                 Formatting{0.1F, "0,10000"}, Formatting{12.3455F, "12,346"},
                 Formatting{3e38F, "3,0000E+38"}, Formatting{1234.565F, "1234,57"},
                 Formatting{0.001F, "1,0000E-03"}, Formatting{9999999.0F, "1,0000E+07"},
                 Formatting{10000000.0F, "1,0000E+07"}, Formatting{0.0099999998F, "0,010000"}});
}

// Usual sizes take a shorter road to the seven digits, which must agree with the decimal that
// std::to_chars gives: written in double precision, that decimal shows the same text.
TEST(ResultFormat, SingleValuesAgreeWithTheirSevenDigitDecimalAcrossTheUsualSizes) {
    const auto viaSevenDigitDecimal = [](float value) {
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                       std::chars_format::scientific, 6)
                             .ptr;
        double decimal = 0;
        std::from_chars(buffer, end, decimal);
        return formatValue(decimal, ValuePrecision::Double, ",");
    };
    const auto last = std::bit_cast<std::uint32_t>(1.1e7f);
    for (auto bits = std::bit_cast<std::uint32_t>(0.0009f); bits <= last; bits += 9973) {
        for (const float value : {std::bit_cast<float>(bits), -std::bit_cast<float>(bits)}) {
            ASSERT_EQ(formatValue(value, ValuePrecision::Single, ","), viaSevenDigitDecimal(value))
                << value;
        }
    }
}

TEST(ResultFormat, UsesTheSeparatorItIsGiven) {
    EXPECT_EQ(formatValue(12.3456, ValuePrecision::Double, "."), "12.346");
    EXPECT_EQ(formatValue(-12345.678, ValuePrecision::Double, "\u066B"), "-1\u066B2346E+04");
    EXPECT_EQ(formatValue(0.5, ValuePrecision::Double, "\u066B"), "0\u066B50000");
}

struct LineUnit {
    const char* line;
    const char* unit;
};

class ResultUnit : public testing::InitialisedEngine {
protected:
    void expectUnits(std::initializer_list<LineUnit> lineUnits) {
        for (const auto& [line, unit] : lineUnits) {
            state.inputLine = line;
            convertLine(state, sink);
            EXPECT_EQ(resultUnitText(state), unit) << line;
        }
    }
    std::string unitOfVector(const DimensionVector& vector) {
        state.errorFlag = kNoError;
        state.secondOperandText = "u";
        state.secondOperandVector = vector;
        return resultUnitText(state);
    }
};

TEST_F(ResultUnit, NamesSevenDerivedUnitsAndSpellsOutTheRest) {
    expectUnits({LineUnit{"5 N*m", "J"}, LineUnit{"5 kg*m/s2", "N"}, LineUnit{"5 kW", "W"},
                 LineUnit{"5 atm", "Pa"}, LineUnit{"5 cp", "Pas"}, LineUnit{"5 kOhm", "Ohm"},
                 LineUnit{"5 mV", "V"}});
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(unitOfVector({12, -4, 1}), "W");
    // Every other dimension is spelled out.
    expectUnits({LineUnit{"36 km/h", "m/s"}, LineUnit{"154,5 kcal/m2/h/C", "kg/K/s3"},
                 LineUnit{"5 m2", "m2"}, LineUnit{"5 km/m/h", "/s"}, LineUnit{"5 m/ar/l", "/m4"},
                 LineUnit{"5 kW/K", "kg*m2/K/s3"}, LineUnit{"5 A*s", "A*s"},
                 LineUnit{"5 x*m", "x*m"}, LineUnit{"5 mol*kg3", "mol*kg3"},
                 LineUnit{"5 m/m", ""}});
    EXPECT_EQ(unitOfVector({-1, -2, -3, -4, -5, -6, -7, -8}), "/x8/cd7/mol6/A5/K4/kg3/s2/m");
    // The wide code is 4294967812, which 32 bits would cut down to 516 (W).
    EXPECT_EQ(unitOfVector({-2, -3, 4, 3, 2, 5, 0, 425}), "x425*mol5*A2*K3*kg4/s3/m2");
    EXPECT_EQ(unitOfVector({0, 0, 0, 0, 0, 0, 0, 32767}), "x32767");
}

TEST_F(ResultUnit, IsEmptyAfterAnErrorOrWithoutSource) {
    expectUnits({LineUnit{"m 5 s", ""}, LineUnit{"5 xyz*N", ""}, LineUnit{"1e999 m", ""},
                 LineUnit{"km 5", ""}});
    state.secondOperandVector = {1, -2, 1};
    state.secondOperandText.clear();
    EXPECT_EQ(resultUnitText(state), "");
}

} // namespace
} // namespace vemlik
