#include "unit_table.h"

#include "initialised_engine.h"
#include "text_encoding.h"

#include <gtest/gtest.h>

#include <cstdlib>

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
    EXPECT_EQ(state.userFileName,
              std::string(std::getenv("XDG_DATA_HOME")) + "/vemlik/Prevody.kfc");
    for (const auto& [number, abbreviation, factor, code] :
         {BuiltIn{21, "F", 0.555555556, 5444}, BuiltIn{31, "atm", 101330, 523},
          BuiltIn{33, "mmH2O", 9.78899, 523}, BuiltIn{59, "sqft", 0.0929457, 6},
          BuiltIn{67, "lb", 0.4536, 544}, BuiltIn{79, "x", 1, 54444444},
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
    for (const char* abbreviation : {"KM", "Sáh", "sáh", "Řádek"}) {
        ASSERT_TRUE(addUserUnit(state, abbreviation, 2, 5));
    }
    EXPECT_EQ(state.rowCount, 95);
    EXPECT_EQ(state.userRowCount, 4);
    // The built-in km comes before the user row of the same name.
    for (const auto& [name, expected] :
         {std::pair{"N", 48}, std::pair{"mW", 45}, std::pair{"ATM", 31}, std::pair{"at", 30},
          std::pair{"km", 5}, std::pair{"SÁH", 93}, std::pair{"řÁDEK", 95}, std::pair{"cd", 0},
          std::pair{"m ", 0}, std::pair{"řádky", 0}}) {
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

// The rows are counted afresh too, as every test that reads the user file again shows.
TEST_F(UnitTable, InitialisationClearsTheWorkingState) {
    state.resultsFileFlag = 1;
    state.termVector[3] = 2;
    state.secondOperandVector[7] = -1;
    restart();
    EXPECT_EQ(state.resultsFileFlag, 0);
    EXPECT_EQ(state.termVector, DimensionVector{});
    EXPECT_EQ(state.secondOperandVector, DimensionVector{});
}

} // namespace
} // namespace vemlik
