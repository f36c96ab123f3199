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

TEST_F(SingleConversion, ShowsValueAndUnitOrNothingAfterAnError) {
    EXPECT_EQ(convertSingleLine(state, sink, "", ","), "0,0000E00 ");
    for (const auto& [line, text] :
         {SingleLine{"36 km/h", "10,000 m/s"}, SingleLine{"cm/min 12 ft/hr", "6,0960 cm/min"},
          SingleLine{"154,5 kcal/m2/h/C", "179,68 kg/K/s3"}, SingleLine{"C 100 F", "37,778 C"},
          SingleLine{"R 0 C", "491,67 R"}, SingleLine{"K 0 C", "273,15 K"},
          SingleLine{"5 N*m", "5,0000 J"}, SingleLine{"5", "5,0000 "},
          SingleLine{"5 m/m", "5,0000 "}, SingleLine{"12ft/hr", "12,000 "},
          SingleLine{"m 5 km; 3 ft", "5000,00 m"}, SingleLine{"5 km; 3 ft", "5000,00 m"},
          SingleLine{"m 5 s", std::nullopt}, SingleLine{"5 xyz", std::nullopt},
          SingleLine{"1e999 m", std::nullopt}}) {
        restart();
        EXPECT_EQ(convertSingleLine(state, sink, line, ","), text) << line;
        EXPECT_TRUE(state.inputLine.empty()) << line;
    }
}

TEST_F(SingleConversion, WritesTheSeparatorGiven) {
    EXPECT_EQ(convertSingleLine(state, sink, "36 km/h", "."), "10.000 m/s");
    EXPECT_EQ(convertSingleLine(state, sink, "m 36 km/h", "."), std::nullopt);
    EXPECT_EQ(sink.messages, std::vector<std::string>{"Nekonzistentni jednotky!   s :  0 -1"});
}

} // namespace
} // namespace vemlik
