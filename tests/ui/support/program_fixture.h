#pragma once

#include "program_under_test.h"

#include <memory>

namespace vemlik::testing {

// For test classes whose every test function works on a program of its own: their init()
// verifies restart().
class ProgramFixture {
protected:
    // The program before is gone before the next one shows its window.
    bool restart() {
        program.reset();
        program = std::make_unique<ProgramUnderTest>();
        return program->start();
    }

    std::unique_ptr<ProgramUnderTest> program;
};

} // namespace vemlik::testing
