#pragma once

#include "engine_state.h"
#include "recording_sink.h"
#include "temporary_directory.h"
#include "unit_table.h"

#include <gtest/gtest.h>

namespace vemlik::testing {

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

    TemporaryDirectory directory;
    RecordingSink sink;
    UnitTable units;
    OperandState operands;
};

} // namespace vemlik::testing
