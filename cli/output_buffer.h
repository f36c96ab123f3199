#pragma once

#include "vemlik/system_file.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vemlik::cli {

// Collects output for one stream and writes it in large pieces, so that memory stays
// small however much is written. A buffer may name another whose text is to come out first:
// messages never come out ahead of the results before them.
class OutputBuffer {
public:
    explicit OutputBuffer(SystemFile& stream, OutputBuffer* writtenBefore = nullptr);

    // Writes what has gathered once it is enough; a long text is written without a copy.
    void append(std::string_view text);
    void append(char character);
    void appendNumber(std::size_t number);
    // Lets the writer append to the text held, in place, and gives back what it returns.
    template <typename Writer> auto appendInPlace(Writer&& writer) {
        auto written = writer(pending_);
        writeIfFull();
        return written;
    }

    // Marks the end of a message. When part of it had to be written already, the rest is
    // written at once: text written later would otherwise come out in the middle of it.
    void endRecord();

    // Writes everything held; false once the stream has refused any of it.
    bool flush();
    bool failed() const { return failed_; }

private:
    void write(std::string_view text);
    void writeIfFull();

    SystemFile& stream_;
    OutputBuffer* writtenBefore_;
    std::string pending_;
    bool recordSplit_ = false;
    bool failed_ = false;
};

} // namespace vemlik::cli
