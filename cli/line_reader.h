#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vemlik::cli {

// Lines longer than this are answered as faulty without being held whole.
inline constexpr std::size_t kMaxLineLength = std::size_t{16} << 20;

// Opens a file for reading; -1 (with errno set) when it cannot be opened or is a directory.
int openForReading(const std::string& path);

// One line of the input: its text, or only the fact that it was longer than kMaxLineLength.
struct InputLine {
    std::string_view text;
    bool tooLong = false;
};

// Splits what a file descriptor delivers into lines, reading large blocks. A line ends at LF;
// a CR just before the LF (or at the very end of the input) is not part of it. The last line
// needs no line end. Each byte is searched once, and at most kMaxLineLength bytes and one
// block are held, however long a line runs.
class LineReader {
public:
    explicit LineReader(int fileDescriptor);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;
    LineReader(LineReader&& other) noexcept;
    LineReader& operator=(LineReader&&) = delete;

    // The next line, valid until the next call; nothing at the end of the input or after a
    // read error. A line too long to hold is given as soon as that is known; the rest of it,
    // up to its LF, is then passed over.
    std::optional<InputLine> nextLine();

    // True when nextLine will not wait for input.
    bool hasBufferedLine();

    bool failed() const { return failed_; }

private:
    bool findNewline();
    bool unfinishedLineTooLong() const;
    bool readMore();
    void makeRoom();
    InputLine takeLine(std::size_t end, std::size_t next);

    int fileDescriptor_;
    std::unique_ptr<char[]> block_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    // Where the search for the next LF goes on; the bytes before it hold none.
    std::size_t scanned_ = 0;
    // Where the next LF lies, once found; npos until then.
    std::size_t newline_ = std::string::npos;
    // Inside a line already given as too long: everything up to its LF is dropped.
    bool skipping_ = false;
    bool endOfInput_ = false;
    bool failed_ = false;
};

} // namespace vemlik::cli
