#include "result_format.h"
#include "results_file_format.h"

#include "initialised_engine.h"
#include "line_converter.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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
        EXPECT_EQ(formatValue(value, precision, ","), text) << value;
    }
}

double above(double value) {
    return std::nextafter(value, kInfinity);
}

// Each threshold is the decimal written: the value itself stays in the class below it.
TEST(ResultFormat, WritesTheValueByItsMagnitudeAndCarriesIntoTheNextClass) {
    expectTexts(ValuePrecision::Double,
                {Formatting{above(9999), "9,9990E+03"}, Formatting{9999, "9999,00"},
                 Formatting{above(99.99), "99,99"}, Formatting{99.99, "99,990"},
                 Formatting{above(9.999), "9,999"}, Formatting{9.999, "9,9990"},
                 Formatting{above(0.9999), "0,9999"}, Formatting{0.9999, "0,99990"},
                 Formatting{above(0.09999), "0,09999"}, Formatting{0.09999, "0,099990"},
                 Formatting{above(0.009999), "0,009999"}, Formatting{0.009999, "9,9990E-03"},
                 Formatting{-0.000123456, "-1,2346E-04"}, Formatting{0, "0,0000E00"},
                 Formatting{-0.0, "0,0000E00"}, Formatting{5E-324, "4,9407E-324"},
                 // Rounded twice: to the significant digits, then to the decimals shown.
                 Formatting{12.3455, "12,346"}, Formatting{1.23454999, "1,2345"},
                 Formatting{9.99996, "10,000"}, Formatting{9.99995E-5, "1,0000E-04"},
                 Formatting{12.3455F, "12,345"}});
    // 12.3455F is stored as 12.3454999...; its seven digits 12.34550 round up. Those of
    // 0.0099999998F carry already into an eighth digit.
    expectTexts(ValuePrecision::Single,
                {Formatting{12.3455F, "12,346"}, Formatting{0.0099999998F, "0,010000"},
                 Formatting{0.001F, "1,0000E-03"}, Formatting{10000000.0F, "1,0000E+07"},
                 Formatting{3e38F, "3,0000E+38"}});
}

// Usual sizes take a shorter road to the seven digits, which must agree with the decimal that
// printf gives: written in double precision, that decimal shows the same text.
TEST(ResultFormat, SingleValuesAgreeWithTheirSevenDigitDecimalAcrossTheUsualSizes) {
    const auto viaSevenDigitDecimal = [](float value) {
        char decimal[32];
        std::snprintf(decimal, sizeof decimal, "%.6e", static_cast<double>(value));
        return formatValue(std::strtod(decimal, nullptr), ValuePrecision::Double, ",");
    };
    const auto last = std::bit_cast<std::uint32_t>(1.1e7f);
    for (auto bits = std::bit_cast<std::uint32_t>(0.0009f); bits <= last; bits += 9973) {
        for (const float value : {std::bit_cast<float>(bits), -std::bit_cast<float>(bits)}) {
            ASSERT_EQ(formatValue(value, ValuePrecision::Single, ","), viaSevenDigitDecimal(value))
                << value;
        }
    }
}

using ResultUnit = testing::InitialisedEngine;

TEST_F(ResultUnit, NamesSevenDerivedUnitsAndSpellsOutTheRest) {
    for (const auto& [line, unit] :
         {std::pair{"5 N*m", "J"}, std::pair{"5 kg*m/s2", "N"}, std::pair{"5 kW", "W"},
          std::pair{"5 atm", "Pa"}, std::pair{"5 cp", "Pas"}, std::pair{"5 kOhm", "Ohm"},
          std::pair{"5 mV", "V"}, std::pair{"36 km/h", "m/s"},
          std::pair{"154,5 kcal/m2/h/C", "kg/K/s3"}, std::pair{"5 m/ar/l", "/m4"},
          std::pair{"5 kW/K", "kg*m2/K/s3"}, std::pair{"5 mol*kg3", "mol*kg3"},
          std::pair{"5 m/m", ""}}) {
        LineConverter(*units).convert(operands, sink, line);
        EXPECT_EQ(resultUnitText(operands.conversion.source.vector), unit) << line;
    }
    EXPECT_EQ(resultUnitText({12, -4, 1}), "W");
    EXPECT_EQ(resultUnitText({-1, -2, -3, -4, -5, -6, -7, -8}), "/x8/cd7/mol6/A5/K4/kg3/s2/m");
    // The wide code is 4294967812, which 32 bits would cut down to 516 (W).
    EXPECT_EQ(resultUnitText({-2, -3, 4, 3, 2, 5, 0, 425}), "x425*mol5*A2*K3*kg4/s3/m2");
    EXPECT_EQ(resultUnitText({0, 0, 0, 0, 0, 0, 0, 32767}), "x32767");
}

const std::string kHead = "\r\nVýchozí rozměr  Požadovaný rozměr\r\n";

// The result, or a block's target unit, starts at the next print zone, counted in characters; a
// line that fills its zone gets a whole zone of blanks. A block table's section frames its rows
// up to a line of one blank.
TEST(ResultsFileFormat, LinesArePaddedToPrintZonesAndTablesFramed) {
    EXPECT_EQ(singleConversionLine("třináct znaků", "x"), "třináct znaků =  x\r\n");
    EXPECT_EQ(singleConversionLine("14 characters!", ""),
              "14 characters!" + std::string(14, ' ') + "=  \r\n");
    EXPECT_EQ(blockTableSection("C", "K", "20\t293,15\n \n30\t303,15\n"),
              kHead + "C" + std::string(15, ' ') + "K\r\n20\t293,15\r\n \r\n");
    // A CR still ends a row, and the next row keeps its first character.
    EXPECT_EQ(blockTableSection("C", "K", "20\t293,15\r30\t303,15\n"),
              blockTableSection("C", "K", "20\t293,15\n30\t303,15\n"));
    // Text after the last line end is left out.
    EXPECT_EQ(blockTableSection("C", "K", "20\t293,15\n30\t303"),
              blockTableSection("C", "K", "20\t293,15\n \n30\t303,15\n"));
    // The block's target unit after a long source unit: 13 characters reach the first zone at 14,
    // then column 16; 14 characters fill the zone, so the next zone starts at 28 and the target
    // at 32. Czech letters count once.
    EXPECT_EQ(blockTableSection("kcal/m2/h/C13", "W", ""), kHead + "kcal/m2/h/C13   W\r\n \r\n");
    EXPECT_EQ(blockTableSection("žžžžžžžžžžžžžž", "W", ""),
              kHead + "žžžžžžžžžžžžžž" + std::string(18, ' ') + "W\r\n \r\n");
}

} // namespace
} // namespace vemlik
