#include "unit_table.h"

#include "initialised_engine.h"
#include "text_encoding.h"

#include <gtest/gtest.h>

namespace vemlik {
namespace {

using UnitTable = testing::InitialisedEngine;

struct BuiltIn {
    int row;
    const char* abbreviation;
    double factor;
    std::int32_t code;
};

TEST_F(UnitTable, WithoutUserFileHoldsTheBuiltInRows) {
    initialiseEngine(state, sink, directory.path().string());
    EXPECT_EQ(state.rowCount, 91);
    EXPECT_EQ(state.userRowCount, 0);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(state.userFileName, directory.directoryName() + "Prevody.kfc");
    EXPECT_EQ(state.baseSymbols,
              (std::array<std::string, 8>{"m", "s", "kg", "K", "A", "mol", "cd", "x"}));
    for (const auto& [number, abbreviation, factor, code] :
         {BuiltIn{1, "m", 1, 5}, BuiltIn{6, "nm", 1E-9, 5}, BuiltIn{21, "F", 0.555555556, 5444},
          BuiltIn{30, "at", 98066.5, 523}, BuiltIn{31, "atm", 101330, 523},
          BuiltIn{33, "mmH2O", 9.78899, 523}, BuiltIn{59, "sqft", 0.0929457, 6},
          BuiltIn{67, "lb", 0.4536, 544}, BuiltIn{69, "lbf", 4.4482, 525},
          BuiltIn{79, "x", 1, 54444444}, BuiltIn{88, "Ohm", 1, 24516},
          BuiltIn{91, "mi", 1609.3, 5}}) {
        EXPECT_EQ(row(number).abbreviation, abbreviation);
        EXPECT_EQ(row(number).factor, factor) << abbreviation;
        EXPECT_EQ(row(number).dimensionCode, code) << abbreviation;
    }
    for (int number = 1; number <= 91; ++number) {
        EXPECT_EQ(static_cast<std::size_t>(row(number).length),
                  characterCount(row(number).abbreviation));
        // No two built-in abbreviations are equal when letter case is ignored.
        EXPECT_EQ(findUnitRow(state, row(number).abbreviation), number);
    }
}

TEST_F(UnitTable, LookupIgnoresCaseAndTakesTheFirstWholeMatch) {
    ASSERT_TRUE(addUserUnit(state, "KM", 2, 5));
    ASSERT_TRUE(addUserUnit(state, "Sáh", 1.8288, 5));
    ASSERT_TRUE(addUserUnit(state, "sáh", 2, 5));
    ASSERT_TRUE(addUserUnit(state, "Řádek", 0.5, 5));
    ASSERT_TRUE(addUserUnit(state, "čas", 2, 54));
    ASSERT_TRUE(addUserUnit(state, "ka", 3, 5));
    EXPECT_EQ(state.rowCount, 97);
    EXPECT_EQ(state.userRowCount, 6);
    EXPECT_EQ(row(93).length, 3);
    // Built-in km and kA come before the user rows of the same name.
    for (const auto& [name, expected] :
         {std::pair{"N", 48}, std::pair{"nm", 6}, std::pair{"mW", 45}, std::pair{"ATM", 31},
          std::pair{"at", 30}, std::pair{"km", 5}, std::pair{"SÁH", 93}, std::pair{"řÁDEK", 95},
          std::pair{"ČAS", 96}, std::pair{"KA", 83}, std::pair{"cd", 0}, std::pair{"m ", 0},
          std::pair{"", 0}, std::pair{"řádky", 0}, std::pair{"kx", 0}}) {
        EXPECT_EQ(findUnitRow(state, name), expected) << name;
    }
}

// Rows beyond the row count are not in the table, even when they still hold a unit.
TEST_F(UnitTable, OnlyRowsUpToTheRowCountAreSearched) {
    ASSERT_TRUE(addUserUnit(state, "sáh", 1.7, 5));
    state.rowCount = state.builtInCount;
    state.userRowCount = 0;
    EXPECT_EQ(findUnitRow(state, "sáh"), 0);
    ASSERT_TRUE(addUserUnit(state, "loket", 0.6, 5));
    EXPECT_EQ(findUnitRow(state, "LOKET"), 92);
    EXPECT_EQ(findUnitRow(state, "sáh"), 0);
}

TEST_F(UnitTable, FullTableRefusesFurtherUnits) {
    for (int added = 1; added <= 9; ++added) {
        ASSERT_TRUE(addUserUnit(state, "u" + std::to_string(added), added, 5));
    }
    EXPECT_FALSE(addUserUnit(state, "u10", 10, 5));
    EXPECT_EQ(state.rowCount, 100);
    EXPECT_EQ(state.userRowCount, 9);
    EXPECT_EQ(row(100).abbreviation, "u9");
}

TEST_F(UnitTable, InitialisationStartsAfresh) {
    ASSERT_TRUE(addUserUnit(state, "versta", 1066.8, 5));
    state.resultsFileFlag = 1;
    state.termVector[3] = 2;
    state.secondOperandVector[7] = -1;
    restart();
    EXPECT_EQ(state.rowCount, 91);
    EXPECT_EQ(state.userRowCount, 0);
    EXPECT_EQ(state.resultsFileFlag, 0);
    EXPECT_EQ(state.termVector, DimensionVector{});
    EXPECT_EQ(state.secondOperandVector, DimensionVector{});
}

} // namespace
} // namespace vemlik
