#pragma once

#include <string>
#include <string_view>

namespace vemlik::cli {

// Collects output for one file descriptor and writes it in large pieces.
class OutputBuffer {
public:
    explicit OutputBuffer(int fileDescriptor);

    void append(std::string_view text);
    void append(char character);
    void appendNumber(std::size_t number);

    // True when the buffer has grown enough to be worth a write.
    bool isFull() const;
    // Writes everything held; false when the descriptor refused some of it.
    bool flush();

private:
    int fileDescriptor_;
    std::string pending_;
};

} // namespace vemlik::cli
