#pragma once

#include "engine_state.h"
#include "line_reader.h"
#include "output_buffer.h"
#include "stderr_messages.h"

#include <cstddef>
#include <string>

namespace vemlik::cli {

// Converts lines one after another in one engine state, as the single conversion page does
// with the lines typed into it, and writes one output line for each. Lines are numbered on
// through all inputs, so that message N belongs to output line N.
class BatchConversion {
public:
    BatchConversion(EngineState& state, std::string decimalSeparator, OutputBuffer& output,
                    OutputBuffer& errors);

    // False when the input could not be read to its end.
    bool convertAll(LineReader& reader);
    // False when standard output or standard error refused what was written.
    bool flush();

    bool anyLineFailed() const { return anyLineFailed_; }

private:
    void convert(std::string_view line);

    EngineState& state_;
    std::string decimalSeparator_;
    OutputBuffer& output_;
    OutputBuffer& errors_;
    LineMessages messages_;
    std::size_t lineNumber_ = 0;
    bool anyLineFailed_ = false;
    bool writeFailed_ = false;
};

} // namespace vemlik::cli
