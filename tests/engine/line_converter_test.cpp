#include "line_converter.h"

#include "initialised_engine.h"

namespace vemlik {
namespace {

using testing::Messages;
using testing::repeated;

const std::string kMissingBlank = "Chybí mezera za číslem!  :";
const std::string kInconsistent = "Nekonzistentni jednotky!   ";
const std::string kUnknown = "Neznamy rozmer!: ";
const std::string kOutOfRangeText = "Výsledek je mimo rozsah!";

struct Line {
    std::string line;
    float value;
    ErrorFlag errorFlag = ErrorFlag::None;
    Messages messages = {};
};

using enum ErrorFlag;

class LineConverter : public testing::InitialisedEngine {
protected:
    LineResult convert(std::string_view line) {
        return vemlik::LineConverter(*units).convert(operands, sink, line);
    }
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

// The values as single precision holds them: 154.5 × 1.163, and the Fahrenheit source's offset
// 255.37222 that keeps 32 F a little below 0 C. Inside an expression F is a degree without a
// zero point.
TEST_F(LineConverter, ConvertsBetweenUnitsAndTemperatureScales) {
    expectConversions(
        {Line{"154,5 kcal/m2/h/C", 179.6835F}, Line{"1 000 m", 0}, Line{"+.5 (km)", 500},
         Line{";5 km", 0}, Line{"3e38 m", 3e38F}, Line{"-1.2e-38 m", -1.2e-38F},
         Line{"c 32 f", -2.222222e-6F}, Line{"F 100 C", 212}, Line{"R 0 C", 491.67F},
         Line{"K 0 C", 273.15F},
         Line{"C 1 F/s", -272.59445F, InconsistentUnits, {kInconsistent + "s :  0 -1"}}});
}

// The flag of a line is that of its last fault, kept through the items that follow. A unit
// whose factor leaves double's range or whose exponents leave 16 bits converts nothing, as does
// a result below the smallest normal single (1e-44 would show as 9,8091E-45).
TEST_F(LineConverter, ReportsFaultsAndGoesOn) {
    const std::string underflow = "km9" + repeated("/km9", 40);
    // The rest of the line is quoted up to 80 characters.
    const std::string quoted = "5" + repeated("ž", 79);
    const std::string inconsistentM = kInconsistent + "m :  1  0";
    const std::string qq = kUnknown + "qq";
    const Messages unknowns = {kMissingBlank + "5x xyz/abc2*s", kUnknown + "xyz", kUnknown + "abc",
                               qq, inconsistentM};
    std::vector<Line> lines = {
        Line{"m 5 s", 5, InconsistentUnits, {inconsistentM}},
        Line{"Pa 5 N", 5, InconsistentUnits, {kInconsistent + "m : -1  1"}},
        Line{"m 5 6 7", 7, InconsistentUnits, {inconsistentM}},
        Line{"  5.  m ", 5, None, {kMissingBlank + "5.  m"}},
        Line{quoted, 5, None, {kMissingBlank + quoted}},
        Line{quoted + "ž", 5, None, {kMissingBlank + quoted + "…"}},
        Line{"qq*m 5x xyz/abc2*s", 5, InconsistentUnits, unknowns},
        Line{"5 xyz; m 5 s; 5 km", 5, InconsistentUnits, {kUnknown + "xyz", inconsistentM}},
        Line{"qq 1e999 s", 0, InconsistentUnits,
             Messages{qq, kOutOfRangeText, kInconsistent + "s :  0  1"}},
        Line{"qq 1 " + underflow, 0, InconsistentUnits,
             Messages{qq, kOutOfRangeText, kInconsistent + "m :  0 -351"}},
        Line{repeated("1 mm;", 25000), 0.001F}};
    for (const std::string& line : std::vector<std::string>{
             "1e999 m", "1e-50 m", "km 1e-300 m", "-1e-44 m", "1e38 km", "1 " + underflow,
             "5 m9" + repeated("*m9", 3641), "5 s/s9" + repeated("/s9", 3641),
             repeated("km9*", 12) + "m" + repeated("/m9", 12) + " 5"}) {
        lines.push_back(Line{line, 0, ResultOutOfRange, {kOutOfRangeText}});
    }
    expectConversions(lines);
}

TEST_F(LineConverter, StoresTheFirstFiveItemsAndKeepsOperandTextsAcrossItems) {
    convert("42 m;42 m;42 m;42 m;42 m");
    convert("5 km;;3 m");
    EXPECT_EQ(operands.resultList, (std::array<float, 5>{5000, 5, 3, 42, 42}));
    // The second item has no target of its own and converts to the first item's.
    convert("cm 5 km: 3 ft");
    EXPECT_EQ(operands.resultList[1], 91.44F);
    // Blanks after the last item make no item.
    EXPECT_EQ(convert("cm 5 km;  ").firstValue, 500000);
    EXPECT_EQ(operands.resultList[1], 91.44F);
    EXPECT_TRUE(sink.messages.empty());
    // Items past the fifth are evaluated but not stored.
    EXPECT_EQ(convert("1 m;2 m;3 m;4 m;5 m;6 m;7 xyz").errorFlag, ErrorFlag::UnknownUnit);
    EXPECT_EQ(operands.resultList, (std::array<float, 5>{1, 2, 3, 4, 5}));
    EXPECT_EQ(sink.messages, Messages{kUnknown + "xyz"});
    // A blank line clears the flag and the operand texts but gives the last first value.
    convert("m 36 km/h");
    EXPECT_EQ(convert("   ").firstValue, 10);
    EXPECT_EQ(operands.errorFlag, ErrorFlag::None);
    EXPECT_TRUE(operands.targetText.empty() && operands.sourceText.empty());
}

} // namespace
} // namespace vemlik
