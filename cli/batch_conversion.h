#pragma once

#include "output_buffer.h"
#include "stderr_messages.h"
#include "vemlik/engine.h"
#include "vemlik/line_splitter.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vemlik::cli {

// Lines longer than this are answered as faulty without being held whole.
inline constexpr std::size_t kMaxLineLength = std::size_t{16} << 20;

// Converts lines one after another with one engine, as the single conversion page does with the
// lines typed into it, and writes one output line for each. Lines are numbered on through all
// inputs, so that message N belongs to output line N.
class BatchConversion {
public:
    enum class Outcome { Finished, ReadFailed, WriteFailed };

    BatchConversion(Engine& engine, std::string decimalSeparator, OutputBuffer& output,
                    OutputBuffer& errors);

    // Stops at the first write that standard output or standard error refuses: nobody would
    // see the results of the lines still to come.
    Outcome convertAll(ByteSource& input);
    // False when standard output or standard error refused what was written.
    bool flush();

    bool anyLineFailed() const { return anyLineFailed_; }

private:
    void convert(const LineSplitter::Line& line);
    void writeResult(std::string_view line);
    void writeFailure();

    Engine& engine_;
    std::string decimalSeparator_;
    OutputBuffer& output_;
    OutputBuffer& errors_;
    LineMessages messages_;
    std::size_t lineNumber_ = 0;
    bool anyLineFailed_ = false;
};

} // namespace vemlik::cli
