#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vemlik::cli {

// Opens a file for reading; -1 (with errno set) when it cannot be opened or is a directory.
int openForReading(const std::string& path);

// Splits what a file descriptor delivers into lines, reading large blocks. A line ends at LF;
// a CR just before the LF (or at the very end of the input) is not part of it. The last line
// needs no line end.
class LineReader {
public:
    explicit LineReader(int fileDescriptor);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;
    LineReader(LineReader&& other) noexcept;
    LineReader& operator=(LineReader&&) = delete;

    // The next line, valid until the next call; nothing at the end of the input or after a
    // read error.
    std::optional<std::string_view> nextLine();

    // True when the next line is already in memory, so nextLine will not wait for input.
    bool hasBufferedLine();

    bool failed() const { return failed_; }

private:
    bool readMore();
    std::string_view takeLine(std::size_t end, std::size_t next);

    int fileDescriptor_;
    std::string block_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    // Where the next LF lies, once searched for; npos when not searched or not there.
    std::size_t newline_ = std::string::npos;
    bool endOfInput_ = false;
    bool failed_ = false;
};

} // namespace vemlik::cli
