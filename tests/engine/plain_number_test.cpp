// Numbers written plainly are read straight from the text; these border on the ones that are not.
#include "number_reader.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vemlik {
namespace {

TEST(PlainNumber, ReadsLikeTheFullReaderAtItsBorders) {
    EXPECT_EQ(readNumber("12.5\tm"), 12.5);
    EXPECT_EQ(readNumber("36\n"), 36);
    EXPECT_EQ(readNumber("7 -1"), 7);
    EXPECT_EQ(readNumber("3.25 .5"), 3.25);
    EXPECT_EQ(readNumber("4 2 m"), 42);
    EXPECT_EQ(readNumber("6 E2 m"), 600);
    EXPECT_EQ(readNumber("00012.50;x"), 12.5);
    EXPECT_EQ(readNumber("12345678901234567890 m"), 12345678901234567890.0);
    EXPECT_EQ(readNumber("123456789012345678901 m"), 123456789012345678901.0);
    const double negativeZero = readNumber("-0 m");
    EXPECT_EQ(negativeZero, 0.0);
    EXPECT_TRUE(std::signbit(negativeZero));
}

} // namespace
} // namespace vemlik
