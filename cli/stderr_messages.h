#pragma once

#include "message_sink.h"
#include "output_buffer.h"

#include <cstddef>
#include <string>

namespace vemlik::cli {

// The messages of one input line, written as "řádek N: TEXT".
class LineMessages : public MessageSink {
public:
    explicit LineMessages(OutputBuffer& errors) : errors_(errors) {}
    void setLineNumber(std::size_t lineNumber) { lineNumber_ = lineNumber; }
    void showMessage(std::string_view text) override;

private:
    OutputBuffer& errors_;
    std::size_t lineNumber_ = 0;
};

// Messages about a file, written as "FILE: TEXT".
class FileMessages : public MessageSink {
public:
    FileMessages(OutputBuffer& errors, std::string fileName)
        : errors_(errors), fileName_(std::move(fileName)) {}
    void showMessage(std::string_view text) override;

private:
    OutputBuffer& errors_;
    std::string fileName_;
};

} // namespace vemlik::cli
