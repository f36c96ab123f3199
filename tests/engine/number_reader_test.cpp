#include "number_reader.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace vemlik {
namespace {

struct Reading {
    const char* text;
    double value;
};

void PrintTo(const Reading& reading, std::ostream* out) {
    *out << '"' << reading.text << '"';
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

class LeadingNumber : public ::testing::TestWithParam<Reading> {};

TEST_P(LeadingNumber, ReadsAsFarAsTheNumberGoes) {
    EXPECT_EQ(readNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    NumberReader, LeadingNumber,
    ::testing::Values(Reading{"36 km/h", 36}, Reading{"1 000 m", 1000},
                      Reading{" \t\n- 1 2.5", -12.5}, Reading{"+.5", 0.5}, Reading{"5.", 5},
                      Reading{"1.2.3", 1.2}, Reading{"-12.5e2x", -1250}, Reading{"2D3", 2000},
                      Reading{"2d-3", 0.002}, Reading{"5 e1", 50}, Reading{"1e", 1},
                      Reading{"1e+", 1}, Reading{"7e-x", 7}, Reading{"5;3", 5}, Reading{"0x10", 0},
                      Reading{"", 0}, Reading{"abc", 0}, Reading{"+-1", 0}, Reading{".e5", 0},
                      Reading{"&H10", 0}, Reading{"1e999", kInfinity},
                      Reading{"-1e999", -kInfinity}, Reading{"1e99999999999999999999", kInfinity},
                      Reading{"1e-999", 0}, Reading{"0.000000001e-320", 0},
                      Reading{"1e-320", 1e-320}, Reading{"9007199254740993", 9007199254740992.0}));

TEST(NumberReader, ReadsVeryLongNumbersWhole) {
    const std::string digits(20000, '9');
    EXPECT_EQ(readNumber("0." + digits), 1.0);
    EXPECT_EQ(readNumber(digits), kInfinity);
}

class RadixNumber : public ::testing::TestWithParam<Reading> {};

TEST_P(RadixNumber, ReadsHexadecimalAndOctalIntegers) {
    EXPECT_EQ(readNumberWithRadix(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(NumberReader, RadixNumber,
                         ::testing::Values(Reading{"&H1F", 31}, Reading{"&hff", 255},
                                           Reading{" &H1 0", 16},
                                           Reading{"&HFFFFFFFF", 4294967295.0}, Reading{"&O17", 15},
                                           Reading{"&o78", 7}, Reading{"&H", 0}, Reading{"&HG", 0},
                                           Reading{"&X1", 0}, Reading{"&", 0},
                                           Reading{"12.5e1", 125}, Reading{"-3", -3}));

struct Factor {
    const char* text;
    std::optional<double> value;
};

void PrintTo(const Factor& factor, std::ostream* out) {
    *out << '"' << factor.text << '"';
}

class FactorText : public ::testing::TestWithParam<Factor> {};

TEST_P(FactorText, MustBeOneNumberAsAWhole) {
    EXPECT_EQ(parseFactorText(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    NumberReader, FactorText,
    ::testing::Values(Factor{"1066.8", 1066.8}, Factor{"1066,8", 1066.8},
                      Factor{" \t-1,5E3 ", -1500}, Factor{"2D-3", 0.002}, Factor{"+.5", 0.5},
                      Factor{"5.", 5}, Factor{"7", 7}, Factor{"1e-999", 0},
                      Factor{"", std::nullopt}, Factor{"  ", std::nullopt},
                      Factor{"1 000", std::nullopt}, Factor{"1.000,5", std::nullopt},
                      Factor{"1,5,3", std::nullopt}, Factor{"1e", std::nullopt},
                      Factor{"1e+", std::nullopt}, Factor{"1.5x", std::nullopt},
                      Factor{"abc", std::nullopt}, Factor{"--1", std::nullopt},
                      Factor{".", std::nullopt}, Factor{"&H10", std::nullopt},
                      Factor{"1e999", std::nullopt}, Factor{"-1e999", std::nullopt}));

} // namespace
} // namespace vemlik
