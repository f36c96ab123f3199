#pragma once

#include "output_buffer.h"
#include "vemlik/message_sink.h"

#include <cstddef>
#include <string>

namespace vemlik::cli {

// Messages repeat what the input held and name files; control characters, and every byte above
// ASCII of a text that is not UTF-8, are written as \xHH, so that neither can drive the terminal
// that shows them. TAB stays as it is.
std::string visibleText(std::string_view text);

// The messages of one input line, written as "řádek N: TEXT" after the line's result, so that
// on a stream shared with the results each message follows the result of its own line. The
// first 20 are kept, then one line tells that the rest were left out, so that a line of many
// faults does not flood the terminal.
class LineMessages : public MessageSink {
public:
    explicit LineMessages(OutputBuffer& errors) : errors_(errors) {}
    void startLine(std::size_t lineNumber);
    void showMessage(std::string_view text) override;
    // Writes the messages of the line, once its result is written.
    void writeMessages();

private:
    void keep(std::string_view text);

    OutputBuffer& errors_;
    std::size_t lineNumber_ = 0;
    std::size_t messagesOfLine_ = 0;
    bool omitting_ = false;
    std::string kept_;
};

// Messages of the tool itself and about the user conversion file, which they name: written as
// "vemlik-cli: TEXT".
class ToolMessages : public MessageSink {
public:
    explicit ToolMessages(OutputBuffer& errors) : errors_(errors) {}
    void showMessage(std::string_view text) override;

private:
    OutputBuffer& errors_;
};

} // namespace vemlik::cli
