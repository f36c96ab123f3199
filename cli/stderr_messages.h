#pragma once

#include "output_buffer.h"
#include "vemlik/engine.h"
#include "vemlik/message_sink.h"

#include <cstddef>

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

// Messages about the user conversion file that the engine reads, written as "FILE: TEXT".
class UserFileMessages : public MessageSink {
public:
    UserFileMessages(OutputBuffer& errors, const Engine& engine)
        : errors_(errors), engine_(engine) {}
    void showMessage(std::string_view text) override;

private:
    OutputBuffer& errors_;
    const Engine& engine_;
};

} // namespace vemlik::cli
