#pragma once

#include "engine_state.h"
#include "recording_sink.h"
#include "temporary_directory.h"
#include "unit_table.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>

namespace vemlik::testing {

inline std::string repeated(std::string_view text, int count) {
    std::string all;
    for (int index = 0; index < count; ++index) {
        all += text;
    }
    return all;
}

// A fresh engine over an empty directory, so only the built-in rows are known.
class InitialisedEngine : public ::testing::Test {
protected:
    void SetUp() override { initialiseEngine(units, sink, directory.directoryName()); }
    // Starts again with no messages, reading whatever Prevody.kfc holds by now.
    void restart() {
        sink.messages.clear();
        units = {};
        operands = {};
        SetUp();
    }
    const UnitRecord& row(int number) const { return units.rows[static_cast<std::size_t>(number)]; }
    void expectRow(int number, const UnitRecord& expected) const {
        const UnitRecord& actual = row(number);
        EXPECT_EQ(std::tie(actual.abbreviation, actual.factor, actual.dimensionCode),
                  std::tie(expected.abbreviation, expected.factor, expected.dimensionCode))
            << number;
    }

    TemporaryDirectory directory;
    RecordingSink sink;
    UnitTable units;
    OperandState operands;
};

} // namespace vemlik::testing
