#include "number_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace vemlik {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct Reading {
    const char* text;
    double value;
};

void expectReadings(double (*reader)(std::string_view), std::initializer_list<Reading> readings) {
    for (const auto& [text, value] : readings) {
        const double read = reader(text);
        EXPECT_EQ(read, value) << '"' << text << '"';
        EXPECT_EQ(std::signbit(read), std::signbit(value)) << '"' << text << '"';
    }
}

TEST(NumberReader, ReadsAsFarAsTheNumberGoes) {
    expectReadings(readNumber,
                   {Reading{"36 km/h", 36}, Reading{"1 000 m", 1000},
                    Reading{" \t\n- 1 2.5", -12.5}, Reading{"+.5", 0.5}, Reading{"5.", 5},
                    Reading{"1.2.3", 1.2}, Reading{"-12.5e2x", -1250}, Reading{"2D3", 2000},
                    Reading{"2d-3", 0.002}, Reading{"5 e1", 50}, Reading{"1e", 1},
                    Reading{"1e+", 1}, Reading{"7e-x", 7}, Reading{"5;3", 5}, Reading{"0x10", 0},
                    Reading{"", 0}, Reading{"abc", 0}, Reading{"+-1", 0}, Reading{".e5", 0}});
    // Numbers written plainly are read by a shorter road; these border on the ones that are not.
    expectReadings(readNumber, {Reading{"12.5\tm", 12.5}, Reading{"36\n", 36}, Reading{"7 -1", 7},
                                Reading{"3.25 .5", 3.25}, Reading{"4 2 m", 42},
                                Reading{"6 E2 m", 600}, Reading{"00012.50;x", 12.5},
                                Reading{"12345678901234567890 m", 12345678901234567890.0},
                                Reading{"123456789012345678901 m", 123456789012345678901.0},
                                Reading{"-0 m", -0.0}});
}

TEST(NumberReader, NumbersOutOfRangeBecomeInfiniteOrZero) {
    expectReadings(readNumber, {Reading{"1e999", kInfinity}, Reading{"-1e999", -kInfinity},
                                Reading{"1e99999999999999999999", kInfinity}, Reading{"1e-999", 0},
                                Reading{"0.000000001e-320", 0}, Reading{"1e-320", 1e-320},
                                Reading{"9007199254740993", 9007199254740992.0}});
    const std::string digits(20000, '9');
    EXPECT_EQ(readNumber("0." + digits), 1.0);
    EXPECT_EQ(readNumber(digits), kInfinity);
}

TEST(NumberReader, ReadsHexadecimalAndOctalIntegers) {
    expectReadings(readNumberWithRadix,
                   {Reading{"&H1F", 31}, Reading{"&hff", 255}, Reading{" &H1 0", 16},
                    Reading{"&HFFFFFFFF", 4294967295.0}, Reading{"&O17", 15}, Reading{"&o78", 7},
                    Reading{"&H", 0}, Reading{"&HG", 0}, Reading{"&X1", 0}, Reading{"&", 0},
                    Reading{"12.5e1", 125}, Reading{"-3", -3}});
    EXPECT_EQ(readNumber("&H10"), 0);
}

TEST(NumberReader, FactorTextMustBeOneNumberAsAWhole) {
    for (const auto& [text, value] :
         {Reading{"1066.8", 1066.8}, Reading{"1066,8", 1066.8}, Reading{" \t-1,5E3 ", -1500},
          Reading{"2D-3", 0.002}, Reading{"+.5", 0.5}, Reading{"5.", 5}, Reading{"7", 7},
          Reading{"1e-999", 0}}) {
        EXPECT_EQ(parseFactorText(text), value) << '"' << text << '"';
    }
    for (const char* text : {"", "  ", "1 000", "1.000,5", "1,5,3", "1e", "1e+", "1.5x", "abc",
                             "--1", ".", "&H10", "1e999", "-1e999"}) {
        EXPECT_EQ(parseFactorText(text), std::nullopt) << '"' << text << '"';
    }
}

} // namespace
} // namespace vemlik
