#pragma once

#include "output_buffer.h"
#include "vemlik/engine.h"
#include "vemlik/message_sink.h"

#include <cstddef>

namespace vemlik::cli {

// Messages repeat what the input held and name files; control characters, and every byte above
// ASCII of a text that is not UTF-8, are written as \xHH, so that neither can drive the terminal
// that shows them. TAB stays as it is.
void appendVisibly(OutputBuffer& errors, std::string_view text);

// The messages of one input line, written as "řádek N: TEXT": the first 20, then one line that
// tells that the rest were left out, so that a line of many faults does not flood the terminal.
class LineMessages : public MessageSink {
public:
    explicit LineMessages(OutputBuffer& errors) : errors_(errors) {}
    void setLineNumber(std::size_t lineNumber) {
        lineNumber_ = lineNumber;
        messagesOfLine_ = 0;
    }
    void showMessage(std::string_view text) override;

private:
    void writeMessage(std::string_view text);

    OutputBuffer& errors_;
    std::size_t lineNumber_ = 0;
    std::size_t messagesOfLine_ = 0;
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
