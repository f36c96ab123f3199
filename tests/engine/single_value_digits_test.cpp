// A single-precision result is written from its seven significant digits; usual sizes take a
// shorter road to them, which must agree with the decimal that std::to_chars gives.
#include "result_format.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <cstring>

namespace vemlik {
namespace {

// The value's seven-digit decimal, written in double precision, shows the same text.
std::string viaSevenDigitDecimal(float value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                   std::chars_format::scientific, 6)
                         .ptr;
    double decimal = 0;
    std::from_chars(buffer, end, decimal);
    return formatValue(decimal, ValuePrecision::Double, ",");
}

float floatFromBits(std::uint32_t bits) {
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::uint32_t bitsOf(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

TEST(SingleValueDigits, AgreeWithTheSevenDigitDecimalAcrossTheUsualSizes) {
    const std::uint32_t first = bitsOf(0.0009f);
    const std::uint32_t last = bitsOf(1.1e7f);
    for (std::uint32_t bits = first; bits <= last; bits += 9973) {
        const float value = floatFromBits(bits);
        ASSERT_EQ(formatValue(value, ValuePrecision::Single, ","), viaSevenDigitDecimal(value))
            << value;
        ASSERT_EQ(formatValue(-value, ValuePrecision::Single, ","), viaSevenDigitDecimal(-value))
            << -value;
    }
}

TEST(SingleValueDigits, RoundTheSevenDigitsNotTheBinaryValue) {
    // 1234.565 is stored as 1234.56494...; its seven digits 1234.565 round up.
    EXPECT_EQ(formatValue(1234.565f, ValuePrecision::Single, ","), "1234,57");
    EXPECT_EQ(formatValue(0.001f, ValuePrecision::Single, ","), "1,0000E-03");
    // 9999999 has seven nines; rounded to the mantissa's four decimals they carry.
    EXPECT_EQ(formatValue(9999999.0f, ValuePrecision::Single, ","), "1,0000E+07");
    EXPECT_EQ(formatValue(10000000.0f, ValuePrecision::Single, ","), "1,0000E+07");
}

} // namespace
} // namespace vemlik
