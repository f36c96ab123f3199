#include "line_converter.h"

#include "initialised_engine.h"

namespace vemlik {
namespace {

using testing::repeated;

using testing::Messages;

const std::string kMissingBlank = "Chybí mezera za číslem!  :";
const std::string kInconsistent = "Nekonzistentni jednotky!   ";
const std::string kUnknown = "Neznamy rozmer!: ";
const std::string kOutOfRange = "Výsledek je mimo rozsah!";

// Expected values repeat the converter's double arithmetic, then narrow to single precision
// like the result list.
float single(double value) {
    return static_cast<float>(value);
}
const double kDegreeF = 1 / 1.8;

struct Line {
    std::string line;
    float value;
    std::int16_t errorFlag = kNoError;
    Messages messages = {};
};

class LineConverter : public testing::InitialisedEngine {
protected:
    LineResult convert(std::string_view line) { return convertLine(units, operands, sink, line); }
    // Each line on a fresh engine: its first item's value, flag and messages.
    void expectConversions(const std::vector<Line>& lines) {
        for (const auto& [line, value, errorFlag, messages] : lines) {
            restart();
            const LineResult result = convert(line);
            EXPECT_EQ(
                std::tie(result.firstValue, result.errorFlag, operands.errorFlag, sink.messages),
                std::tie(value, errorFlag, errorFlag, messages))
                << line.substr(0, 20);
        }
    }
};

TEST_F(LineConverter, ConvertsBetweenUnitsAndTemperatureScales) {
    // The Fahrenheit source's offset keeps c 32 f about -2.2e-6 away from zero.
    expectConversions(
        {Line{"154,5 kcal/m2/h/C", single(154.5 * (4186.8 / 3600))}, Line{"1 000 m", 0},
         Line{"+.5 (km)", 500}, Line{";5 km", 0}, Line{"3e38 m", 3e38F},
         Line{"c 32 f", single((32 * kDegreeF + 255.37222) / 1 + -273.15)},
         Line{"F 100 C", single((100 + 273.15) / kDegreeF + -459.67)}, Line{"R 0 C", 491.670013F},
         Line{"K 0 C", 273.15F},
         Line{"C 1 F/s", single(0.555555556 + -273.15), 1, {kInconsistent + "s :  0 -1"}}});
}

// The flag of a line is that of its last fault, kept through the items that follow. A unit
// whose factor leaves double's range or whose exponents leave 16 bits converts nothing.
TEST_F(LineConverter, ReportsFaultsAndGoesOn) {
    const std::string underflow = "km9" + repeated("/km9", 40);
    const Messages unknowns = {kMissingBlank + "5x xyz/abc2*s", kUnknown + "xyz", kUnknown + "abc",
                               kUnknown + "qq", kInconsistent + "m :  1  0"};
    expectConversions(
        {Line{"m 5 s", 5, 1, {kInconsistent + "m :  1  0"}},
         Line{"Pa 5 N", 5, 1, {kInconsistent + "m : -1  1"}},
         Line{"m 5 6 7", 7, 1, {kInconsistent + "m :  1  0"}},
         Line{"  5.  m ", 5, 0, {kMissingBlank + "5.  m"}},
         Line{"qq*m 5x xyz/abc2*s", 5, 1, unknowns},
         Line{"5 xyz; m 5 s; 5 km", 5, 1, {kUnknown + "xyz", kInconsistent + "m :  1  0"}},
         Line{"1e999 m", 0, 3, {kOutOfRange}},
         Line{"1e38 km", 0, 3, {kOutOfRange}},
         Line{"qq 1e999 s", 0, 1, {kUnknown + "qq", kOutOfRange, kInconsistent + "s :  0  1"}},
         Line{"1 " + underflow, 0, 3, {kOutOfRange}},
         Line{repeated("km9*", 12) + "m" + repeated("/m9", 12) + " 5", 0, 3, {kOutOfRange}},
         Line{"5 m9" + repeated("*m9", 3641), 0, 3, {kOutOfRange}},
         Line{"5 s/s9" + repeated("/s9", 3641), 0, 3, {kOutOfRange}},
         {"qq 1 " + underflow, 0, 1, {kUnknown + "qq", kOutOfRange, kInconsistent + "m :  0 -351"}},
         Line{repeated("1 mm;", 25000), 0.001F}});
}

TEST_F(LineConverter, StoresTheFirstFiveItemsAndKeepsOperandTextsAcrossItems) {
    operands.resultList.fill(42);
    convert("5 km;;3 m");
    EXPECT_EQ(operands.resultList, (std::array<float, 5>{5000, 5, 3, 42, 42}));
    // The second item has no target of its own and converts to the first item's.
    convert("cm 5 km: 3 ft");
    EXPECT_EQ(operands.resultList[1], single(3 * 0.3048 / 0.01));
    // Blanks after the last item make no item.
    EXPECT_EQ(convert("cm 5 km;  ").firstValue, 500000);
    EXPECT_EQ(operands.resultList[1], single(3 * 0.3048 / 0.01));
    EXPECT_TRUE(sink.messages.empty());
    // Items past the fifth are evaluated but not stored.
    EXPECT_EQ(convert("1 m;2 m;3 m;4 m;5 m;6 m;7 xyz").errorFlag, kUnknownUnit);
    EXPECT_EQ(operands.resultList, (std::array<float, 5>{1, 2, 3, 4, 5}));
    EXPECT_EQ(sink.messages, Messages{kUnknown + "xyz"});
    // A blank line clears the flag and the operand texts but gives the last first value.
    convert("m 36 km/h");
    EXPECT_EQ(convert("   ").firstValue, 10);
    EXPECT_EQ(operands.errorFlag, kNoError);
    EXPECT_TRUE(operands.targetText.empty() && operands.sourceText.empty());
}

} // namespace
} // namespace vemlik
