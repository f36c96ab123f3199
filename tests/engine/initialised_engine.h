#pragma once

#include "operand_state.h"
#include "recording_sink.h"
#include "temporary_directory.h"
#include "unit_table.h"
#include "user_conversion_file.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace vemlik::testing {

inline std::string repeated(std::string_view text, int count) {
    std::string all;
    for (int index = 0; index < count; ++index) {
        all += text;
    }
    return all;
}

// The engine's table and operands as start-up leaves them, with the user units of the
// Prevody.kfc in a directory of the test's own (none at first).
class InitialisedEngine : public ::testing::Test {
protected:
    void SetUp() override { restart(); }
    // Starts again with no messages, reading whatever Prevody.kfc holds by now.
    void restart() {
        sink.messages.clear();
        units = std::make_unique<UnitTable>();
        operands = {};
        readUserConversionFile(*units, userFileName(), sink);
    }
    std::string userFileName() const { return directory.fileName("Prevody.kfc"); }
    const UnitRecord& row(int number) const { return units->row(number); }
    // The rows from the first number on hold the records.
    void expectRows(int first, const std::vector<UnitRecord>& records) const {
        for (int number = first; const UnitRecord& expected : records) {
            const UnitRecord& actual = row(number++);
            EXPECT_EQ(std::tie(actual.abbreviation, actual.factor, actual.dimensionCode),
                      std::tie(expected.abbreviation, expected.factor, expected.dimensionCode))
                << expected.abbreviation.substr(0, 10);
        }
    }

    TemporaryDirectory directory;
    RecordingSink sink;
    std::unique_ptr<UnitTable> units;
    OperandState operands;
};

} // namespace vemlik::testing
