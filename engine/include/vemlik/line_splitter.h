#pragma once

#include "vemlik/byte_source.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>

namespace vemlik {

// The lines of a file or stream, read in large blocks. A line ends at LF, CR LF or a lone CR
// (files from old systems); the last line needs no line end. A line longer than the limit is
// given as too long as soon as that is known, without its text, and the rest of it is passed
// over. At most the limit and one block are held, however long a line runs.
class LineSplitter {
public:
    struct Line {
        std::string_view text; // valid until the next call
        bool tooLong = false;
    };

    LineSplitter(ByteSource& source, std::size_t lineLimit, std::size_t blockSize);
    ~LineSplitter();
    LineSplitter(LineSplitter&& other) noexcept;
    LineSplitter& operator=(LineSplitter&&) = delete;
    LineSplitter(const LineSplitter&) = delete;
    LineSplitter& operator=(const LineSplitter&) = delete;

    // The next line; nothing at the end of the input or after a read fault.
    std::optional<Line> next();
    // True when next() will not wait for input.
    bool hasBufferedLine();
    // A read fault ended the input.
    bool failed() const { return failed_; }

private:
    bool findLineEnd();
    std::size_t nextLineFeed();
    void dropBuffered();
    bool unfinishedLineTooLong() const;
    bool readMore();
    void makeRoom();
    Line takeLine(std::size_t end);

    ByteSource* source_;
    std::size_t lineLimit_;
    std::size_t blockSize_;
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    // The search for the next line end goes on here; the bytes before it hold none.
    std::size_t scanned_ = 0;
    // Where the next line end lies, once found; npos until then.
    std::size_t lineEnd_ = npos;
    // The first LF at or after scanned_, once found; npos while the bytes up to lineFeedFreeTo_
    // hold none.
    std::size_t lineFeed_ = npos;
    std::size_t lineFeedFreeTo_ = 0;
    // The line before ended in CR, so an LF right after it belongs to that line end.
    bool afterCarriageReturn_ = false;
    // Inside a line already given as too long: everything up to its end is dropped.
    bool skipping_ = false;
    bool endOfInput_ = false;
    bool failed_ = false;

    static constexpr std::size_t npos = static_cast<std::size_t>(-1);
};

} // namespace vemlik
