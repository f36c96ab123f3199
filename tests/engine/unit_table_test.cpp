#include "unit_table.h"

#include "recording_sink.h"
#include "temporary_directory.h"
#include "text_encoding.h"

#include <gtest/gtest.h>

namespace vemlik {
namespace {

class UnitTableTest : public ::testing::Test {
protected:
    void SetUp() override { initialiseEngine(state, messages, directory.path().string()); }
    const UnitRecord& row(int number) const { return state.rows[static_cast<std::size_t>(number)]; }

    testing::TemporaryDirectory directory;
    testing::RecordingSink messages;
    EngineState state;
};

TEST_F(UnitTableTest, WithoutUserFileHoldsTheBuiltInRows) {
    EXPECT_EQ(state.rowCount, 91);
    EXPECT_EQ(state.userRowCount, 0);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(state.userFileName, directory.directoryName() + "Prevody.kfc");
    EXPECT_EQ(state.baseSymbols,
              (std::array<std::string, 8>{"m", "s", "kg", "K", "A", "mol", "cd", "x"}));
    const struct {
        int row;
        const char* abbreviation;
        double factor;
        std::int32_t code;
    } expected[] = {
        {1, "m", 1, 5},
        {6, "nm", 1E-9, 5},
        {21, "F", 0.555555556, 5444},
        {30, "at", 98066.5, 523},
        {31, "atm", 101330, 523},
        {33, "mmH2O", 9.78899, 523},
        {59, "sqft", 0.0929457, 6},
        {67, "lb", 0.4536, 544},
        {69, "lbf", 4.4482, 525},
        {79, "x", 1, 54444444},
        {88, "Ohm", 1, 24516},
        {91, "mi", 1609.3, 5},
    };
    for (const auto& unit : expected) {
        EXPECT_EQ(row(unit.row).abbreviation, unit.abbreviation);
        EXPECT_EQ(row(unit.row).factor, unit.factor) << unit.abbreviation;
        EXPECT_EQ(row(unit.row).dimensionCode, unit.code) << unit.abbreviation;
    }
    for (int number = 1; number <= 91; ++number) {
        EXPECT_EQ(static_cast<std::size_t>(row(number).length),
                  characterCount(row(number).abbreviation));
        // No two built-in abbreviations are equal when letter case is ignored.
        EXPECT_EQ(findUnitRow(state, row(number).abbreviation), number);
    }
}

TEST_F(UnitTableTest, LookupIgnoresCaseAndTakesTheFirstWholeMatch) {
    ASSERT_TRUE(addUserUnit(state, "KM", 2, 5));
    ASSERT_TRUE(addUserUnit(state, "Sáh", 1.8288, 5));
    ASSERT_TRUE(addUserUnit(state, "sáh", 2, 5));
    EXPECT_EQ(state.rowCount, 94);
    EXPECT_EQ(state.userRowCount, 3);
    EXPECT_EQ(row(93).length, 3);
    const std::pair<const char*, int> lookups[] = {
        {"N", 48}, {"nm", 6},   {"mW", 45}, {"ATM", 31}, {"at", 30},
        {"km", 5}, {"SÁH", 93}, {"cd", 0},  {"m ", 0},   {"", 0},
    };
    for (const auto& [name, expected] : lookups) {
        EXPECT_EQ(findUnitRow(state, name), expected) << name;
    }
}

TEST_F(UnitTableTest, FullTableRefusesFurtherUnits) {
    for (int added = 1; added <= 9; ++added) {
        ASSERT_TRUE(addUserUnit(state, "u" + std::to_string(added), added, 5));
    }
    EXPECT_FALSE(addUserUnit(state, "u10", 10, 5));
    EXPECT_EQ(state.rowCount, 100);
    EXPECT_EQ(state.userRowCount, 9);
    EXPECT_EQ(row(100).abbreviation, "u9");
}

TEST_F(UnitTableTest, InitialisationStartsAfresh) {
    ASSERT_TRUE(addUserUnit(state, "versta", 1066.8, 5));
    state.resultsFileFlag = 1;
    state.termVector[3] = 2;
    state.secondOperandVector[7] = -1;
    initialiseEngine(state, messages, directory.directoryName());
    EXPECT_EQ(state.rowCount, 91);
    EXPECT_EQ(state.userRowCount, 0);
    EXPECT_EQ(state.resultsFileFlag, 0);
    EXPECT_EQ(state.termVector, DimensionVector{});
    EXPECT_EQ(state.secondOperandVector, DimensionVector{});
}

} // namespace
} // namespace vemlik
