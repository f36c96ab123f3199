#include "unit_table.h"

#include "initialised_engine.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace vemlik {
namespace {

using UnitTableTest = testing::InitialisedEngine;

struct BuiltIn {
    int row;
    const char* abbreviation;
    double factor;
    std::int32_t code;
};

TEST_F(UnitTableTest, WithoutUserFileHoldsTheBuiltInRows) {
    initialiseEngine(units, sink, directory.path().string());
    EXPECT_EQ(units.rowCount, 91);
    EXPECT_EQ(units.userRowCount, 0);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(units.userFileName,
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
    // No two built-in abbreviations are equal when letter case is ignored.
    for (int number = 1; number <= 91; ++number) {
        EXPECT_EQ(findUnitRow(units, row(number).abbreviation), number);
    }
}

// Rows beyond the row count are not in the table, even when they still hold a unit.
TEST_F(UnitTableTest, LookupIgnoresCaseAndTakesTheFirstWholeMatchUpToTheRowCount) {
    ASSERT_TRUE(addUserUnit(units, "loket", 0.6, 5));
    units.rowCount = units.builtInCount;
    for (const char* abbreviation : {"KM", "Sáh", "sáh", "Řádek"}) {
        ASSERT_TRUE(addUserUnit(units, abbreviation, 2, 5));
    }
    EXPECT_EQ(units.rowCount, 95);
    for (const auto& [name, expected] :
         {std::pair{"N", 48}, std::pair{"mW", 45}, std::pair{"ATM", 31}, std::pair{"at", 30},
          std::pair{"km", 5}, std::pair{"SÁH", 93}, std::pair{"řÁDEK", 95}, std::pair{"cd", 0},
          std::pair{"m ", 0}, std::pair{"řádky", 0}, std::pair{"loket", 0}}) {
        EXPECT_EQ(findUnitRow(units, name), expected) << name;
    }
}

TEST_F(UnitTableTest, FullTableRefusesFurtherUnits) {
    for (int added = 1; added <= 9; ++added) {
        ASSERT_TRUE(addUserUnit(units, "u" + std::to_string(added), added, 5));
    }
    EXPECT_FALSE(addUserUnit(units, "u10", 10, 5));
    EXPECT_EQ(units.rowCount, 100);
    EXPECT_EQ(units.userRowCount, 9);
    EXPECT_EQ(row(100).abbreviation, "u9");
}

} // namespace
} // namespace vemlik
