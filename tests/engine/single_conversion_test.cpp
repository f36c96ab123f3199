#include "single_conversion.h"

#include "initialised_engine.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vemlik {
namespace {

struct SingleLine {
    const char* line;
    std::optional<std::string> text;
};

using SingleConversion = testing::InitialisedEngine;

// The first item's value with the target unit of the line, or else the result unit of its
// last item.
TEST_F(SingleConversion, ShowsValueAndUnitOrNothingAfterAnError) {
    for (const auto& [line, text] :
         {SingleLine{"36 km/h", "10,000 m/s"}, SingleLine{"cm/min 12 ft/hr", "6,0960 cm/min"},
          SingleLine{"C 100 F", "37,778 C"}, SingleLine{"12ft/hr", "12,000 "},
          SingleLine{"5 km; 3 min", "5000,00 s"}, SingleLine{"m 5 s", std::nullopt},
          SingleLine{"5 xyz", std::nullopt}, SingleLine{"1e999 m", std::nullopt}}) {
        restart();
        EXPECT_EQ(convertSingleLine(units, operands, sink, line, ","), text) << line;
    }
    EXPECT_EQ(convertSingleLine(units, operands, sink, "36 km/h", "."), "10.000 m/s");
}

} // namespace
} // namespace vemlik
