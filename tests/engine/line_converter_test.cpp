#include "line_converter.h"

#include "initialised_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vemlik {
namespace {

using Messages = std::vector<std::string>;

const std::string kMissingBlank = "Chybí mezera za číslem!  :";
const std::string kInconsistent = "Nekonzistentni jednotky!   ";
const std::string kUnknown = "Neznamy rozmer!: ";
const std::string kOutOfRange = "Výsledek je mimo rozsah!";

// Expected values repeat the converter's double arithmetic, (x * F2 + O2) / F1 + O1, then
// narrow to single precision like the result list.
float single(double value) {
    return static_cast<float>(value);
}
const double kDegreeF = 1 / 1.8;

struct Conversion {
    const char* line;
    float value;
    std::int16_t errorFlag = kNoError;
    Messages messages = {};
};

class LineConverter : public testing::InitialisedEngine {
protected:
    float convert(std::string_view line) {
        state.inputLine = line;
        return convertLine(state, sink);
    }
    // Each line on a fresh engine: its first item's value, flag and messages.
    void expectConversions(std::initializer_list<Conversion> conversions) {
        for (const auto& [line, value, errorFlag, messages] : conversions) {
            restart();
            EXPECT_EQ(convert(line), value) << line;
            EXPECT_EQ(state.errorFlag, errorFlag) << line;
            EXPECT_EQ(sink.messages, messages) << line;
            EXPECT_TRUE(state.inputLine.empty()) << line;
        }
    }
};

TEST_F(LineConverter, ConvertsBetweenUnitsAndTemperatureScales) {
    // The Fahrenheit source's offset keeps c 32 f about -2.2e-6 away from zero.
    expectConversions(
        {Conversion{"36 km/h", single(36 * (1000.0 / 3600))},
         Conversion{"cm/min 12 ft/hr", single(12 * (0.3048 / 3600) / (0.01 / 60))},
         Conversion{"154,5 kcal/m2/h/C", single(154.5 * (4186.8 / 3600))}, Conversion{"1 000 m", 0},
         Conversion{"+.5 (km)", 500}, Conversion{";5 km", 0}, Conversion{"3e38 m", 3e38F},
         Conversion{"c 32 f", single((32 * kDegreeF + 255.37222) / 1 + -273.15)},
         Conversion{"F 100 C", single((100 + 273.15) / kDegreeF + -459.67)},
         Conversion{"R 0 C", 491.670013F}, Conversion{"K 0 C", 273.15F},
         Conversion{"C 1 F/s", single(0.555555556 + -273.15), 1, {kInconsistent + "s :  0 -1"}}});
}

// The flag of a line is that of its last fault, kept through the items that follow.
TEST_F(LineConverter, ReportsFaultsAndGoesOn) {
    expectConversions(
        {Conversion{"m 5 s", 5, 1, {kInconsistent + "m :  1  0"}},
         Conversion{"Pa 5 N", 5, 1, {kInconsistent + "m : -1  1"}},
         Conversion{"m 5 6 7", 7, 1, {kInconsistent + "m :  1  0"}},
         Conversion{"  5.  m ", 5, 0, {kMissingBlank + "5.  m"}},
         Conversion{"qq*m 5x xyz/abc2*s",
                    5,
                    1,
                    {kMissingBlank + "5x xyz/abc2*s", kUnknown + "xyz", kUnknown + "abc",
                     kUnknown + "qq", kInconsistent + "m :  1  0"}},
         Conversion{"5 xyz; m 5 s; 5 km", 5, 1, {kUnknown + "xyz", kInconsistent + "m :  1  0"}},
         Conversion{"1e999 m", 0, 3, {kOutOfRange}}, Conversion{"1e38 km", 0, 3, {kOutOfRange}},
         Conversion{
             "qq 1e999 s", 0, 1, {kUnknown + "qq", kOutOfRange, kInconsistent + "s :  0  1"}}});
}

std::string repeated(std::string_view text, int count) {
    std::string all;
    for (int index = 0; index < count; ++index) {
        all += text;
    }
    return all;
}

// A unit whose factor leaves double's range or whose exponents leave 16 bits converts
// nothing; its message comes where that of a value out of range comes.
TEST_F(LineConverter, UnitsBeyondTheirRangeAreResultsOutOfRange) {
    const std::string underflow = "km9" + repeated("/km9", 40);
    const std::string infiniteTarget = repeated("km9*", 12) + "m" + repeated("/m9", 12);
    const std::string hugeExponent = "m9" + repeated("*m9", 3641);
    const struct {
        std::string line;
        std::int16_t errorFlag;
        Messages messages;
    } lines[] = {
        {"1 " + underflow, kResultOutOfRange, {kOutOfRange}},
        {infiniteTarget + " 5", kResultOutOfRange, {kOutOfRange}},
        {"5 " + hugeExponent, kResultOutOfRange, {kOutOfRange}},
        {"qq 1 " + underflow,
         kInconsistentUnits,
         {kUnknown + "qq", kOutOfRange, kInconsistent + "m :  0 -351"}},
    };
    for (const auto& [line, errorFlag, messages] : lines) {
        restart();
        EXPECT_EQ(convert(line), 0) << line.substr(0, 20);
        EXPECT_EQ(state.errorFlag, errorFlag) << line.substr(0, 20);
        EXPECT_EQ(sink.messages, messages) << line.substr(0, 20);
    }
}

// The block page converts its column with them.
TEST_F(LineConverter, LeavesTheFactorsAndOffsetsOfTheLastItem) {
    convert("km 5 min; C 0 F");
    EXPECT_EQ(state.secondOperandFactor, kDegreeF);
    EXPECT_EQ(state.secondOperandOffset, 255.37222);
    EXPECT_EQ(state.firstOperandOffset, -273.15);
    convert("C 0 F; km 5 min");
    EXPECT_EQ(state.firstOperandFactor, 1000);
    EXPECT_EQ(state.secondOperandOffset, 0);
    EXPECT_EQ(state.firstOperandOffset, 0);
}

TEST_F(LineConverter, StoresTheFirstFiveItemsAndKeepsOperandTextsAcrossItems) {
    state.resultList.fill(42);
    convert("5 km;;3 m");
    EXPECT_EQ(state.resultList, (std::array<float, 6>{42, 5000, 5, 3, 42, 42}));
    // The second item has no target of its own and converts to the first item's.
    convert("cm 5 km: 3 ft");
    EXPECT_EQ(state.resultList[2], single(3 * 0.3048 / 0.01));
    // Blanks after the last item make no item.
    EXPECT_EQ(convert("cm 5 km;  "), 500000);
    EXPECT_EQ(state.resultList[2], single(3 * 0.3048 / 0.01));
    EXPECT_TRUE(sink.messages.empty());
    // Items past the fifth are evaluated but not stored.
    state.resultList[0] = 42;
    convert("1 m;2 m;3 m;4 m;5 m;6 m;7 xyz");
    EXPECT_EQ(state.resultList, (std::array<float, 6>{42, 1, 2, 3, 4, 5}));
    EXPECT_EQ(sink.messages, Messages{kUnknown + "xyz"});
    EXPECT_EQ(state.errorFlag, kUnknownUnit);
}

TEST_F(LineConverter, BlankLineClearsTheFlagAndTheOperandTextsButNotTheResults) {
    convert("m 36 km/h");
    ASSERT_EQ(state.errorFlag, kInconsistentUnits);
    EXPECT_EQ(convert("   "), 10);
    EXPECT_EQ(state.errorFlag, kNoError);
    EXPECT_TRUE(state.firstOperandText.empty());
    EXPECT_TRUE(state.secondOperandText.empty());
}

TEST_F(LineConverter, LongLinesAreConvertedWhole) {
    std::string tokens = "m ";
    std::string items;
    for (int count = 0; count < 25000; ++count) {
        tokens += "1 2 ";
        items += "1 mm;";
    }
    EXPECT_EQ(convert(tokens + "km"), 2000);
    EXPECT_EQ(convert(items), 0.001F);
    EXPECT_EQ(state.resultList[5], 0.001F);
    EXPECT_TRUE(sink.messages.empty());
}

} // namespace
} // namespace vemlik
