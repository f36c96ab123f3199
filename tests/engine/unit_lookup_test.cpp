// Lookups of units added during the run, whose first letters are Czech or differ in case.
#include "unit_table.h"

#include "recording_sink.h"
#include "temporary_directory.h"

#include <gtest/gtest.h>

namespace vemlik {
namespace {

class UnitLookupTest : public ::testing::Test {
protected:
    void SetUp() override { initialiseEngine(state, messages, directory.path().string()); }

    testing::TemporaryDirectory directory;
    testing::RecordingSink messages;
    EngineState state;
};

TEST_F(UnitLookupTest, AddedUnitsAreFoundInEitherCaseAndAfterEarlierRows) {
    ASSERT_TRUE(addUserUnit(state, "Řádek", 0.5, 5));
    ASSERT_TRUE(addUserUnit(state, "čas", 2, 54));
    ASSERT_TRUE(addUserUnit(state, "ka", 3, 5));
    EXPECT_EQ(findUnitRow(state, "řÁDEK"), 92);
    EXPECT_EQ(findUnitRow(state, "ČAS"), 93);
    EXPECT_EQ(findUnitRow(state, "KA"), 83); // the built-in kA comes first
    EXPECT_EQ(findUnitRow(state, "řádky"), 0);
    EXPECT_EQ(findUnitRow(state, "kx"), 0);
}

// Rows beyond the row count are not in the table, even when they still hold a unit.
TEST_F(UnitLookupTest, OnlyRowsUpToTheRowCountAreSearched) {
    ASSERT_TRUE(addUserUnit(state, "sáh", 1.7, 5));
    state.rowCount = state.builtInCount;
    state.userRowCount = 0;
    EXPECT_EQ(findUnitRow(state, "sáh"), 0);
    ASSERT_TRUE(addUserUnit(state, "loket", 0.6, 5));
    EXPECT_EQ(findUnitRow(state, "LOKET"), 92);
    EXPECT_EQ(findUnitRow(state, "sáh"), 0);
}

} // namespace
} // namespace vemlik
