#include "vemlik/line_splitter.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace vemlik {

std::ptrdiff_t TextSource::read(char* buffer, std::size_t size) {
    const std::size_t count = std::min(size, rest_.size());
    std::memcpy(buffer, rest_.data(), count);
    rest_.remove_prefix(count);
    return static_cast<std::ptrdiff_t>(count);
}

LineSplitter::LineSplitter(ByteSource& source, std::size_t lineLimit, std::size_t blockSize)
    : source_(&source), lineLimit_(lineLimit), blockSize_(blockSize) {}

LineSplitter::~LineSplitter() = default;

LineSplitter::LineSplitter(LineSplitter&& other) noexcept
    : source_(other.source_), lineLimit_(other.lineLimit_), blockSize_(other.blockSize_),
      buffer_(std::move(other.buffer_)), begin_(other.begin_), end_(other.end_),
      scanned_(other.scanned_), lineEnd_(other.lineEnd_), lineFeed_(other.lineFeed_),
      lineFeedFreeTo_(other.lineFeedFreeTo_), afterCarriageReturn_(other.afterCarriageReturn_),
      skipping_(other.skipping_), endOfInput_(other.endOfInput_), failed_(other.failed_) {}

bool LineSplitter::hasBufferedLine() {
    return findLineEnd() || endOfInput_ || unfinishedLineTooLong();
}

std::optional<LineSplitter::Line> LineSplitter::next() {
    for (;;) {
        if (findLineEnd()) {
            return takeLine(std::exchange(lineEnd_, npos));
        }
        if (unfinishedLineTooLong()) {
            skipping_ = true;
            dropBuffered();
            return Line{{}, true};
        }
        if (!readMore()) {
            break;
        }
    }
    if (begin_ < end_ && !failed_) {
        return takeLine(end_);
    }
    return std::nullopt;
}

// Searches only the bytes not searched before, dropping what is left of a line too long. The
// first CR or LF ends a line; an LF right after a CR belongs to the same line end.
bool LineSplitter::findLineEnd() {
    while (lineEnd_ == npos) {
        if (afterCarriageReturn_ && begin_ < end_) {
            afterCarriageReturn_ = false;
            if (buffer_[begin_] == '\n') {
                ++begin_;
                scanned_ = std::max(scanned_, begin_);
            }
        }
        const std::size_t lineFeed = nextLineFeed();
        const void* carriageReturn =
            lineFeed == scanned_ ? nullptr
                                 : std::memchr(buffer_.get() + scanned_, '\r', lineFeed - scanned_);
        const std::size_t at = carriageReturn == nullptr
                                   ? lineFeed
                                   : static_cast<std::size_t>(
                                         static_cast<const char*>(carriageReturn) - buffer_.get());
        if (at == end_) {
            scanned_ = end_;
            if (skipping_) {
                dropBuffered();
            }
            return false;
        }
        if (!skipping_) {
            lineEnd_ = at;
            return true;
        }
        skipping_ = false;
        afterCarriageReturn_ = buffer_[at] == '\r';
        begin_ = scanned_ = at + 1;
    }
    return true;
}

// A text with lone CRs only is searched for LF once, not again for each of its lines.
std::size_t LineSplitter::nextLineFeed() {
    if (lineFeed_ != npos && lineFeed_ >= scanned_) {
        return lineFeed_;
    }
    lineFeed_ = npos;
    const std::size_t from = std::max(scanned_, lineFeedFreeTo_);
    const void* found =
        from < end_ ? std::memchr(buffer_.get() + from, '\n', end_ - from) : nullptr;
    if (found == nullptr) {
        lineFeedFreeTo_ = end_;
        return end_;
    }
    lineFeed_ = static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.get());
    return lineFeed_;
}

void LineSplitter::dropBuffered() {
    begin_ = scanned_ = end_ = lineFeedFreeTo_ = 0;
    lineFeed_ = npos;
}

bool LineSplitter::unfinishedLineTooLong() const {
    return !skipping_ && end_ - begin_ > lineLimit_;
}

// The line from the beginning up to the line end at `end` (or the end of the input).
LineSplitter::Line LineSplitter::takeLine(std::size_t end) {
    const std::string_view text(buffer_.get() + begin_, end - begin_);
    afterCarriageReturn_ = end < end_ && buffer_[end] == '\r';
    begin_ = scanned_ = std::min(end + 1, end_);
    if (text.size() > lineLimit_) {
        return {{}, true};
    }
    return {text, false};
}

// Keeps the unfinished line and makes room behind it; false at the end of the input or after a
// read fault.
bool LineSplitter::readMore() {
    if (endOfInput_) {
        return false;
    }
    makeRoom();
    const std::size_t capacity = lineLimit_ + 1 + blockSize_;
    const std::ptrdiff_t count =
        source_->read(buffer_.get() + end_, std::min(blockSize_, capacity - end_));
    if (count > 0) {
        end_ += static_cast<std::size_t>(count);
        return true;
    }
    endOfInput_ = true;
    failed_ = count < 0;
    return false;
}

// Room for the longest line, a byte of its line end and one block: allocated once, its pages
// used only as lines need them. Moving the unfinished line to the front costs no more than the
// lines passed over before it, or happens once for a line that needs all the room; either way
// each byte moves about once.
void LineSplitter::makeRoom() {
    const std::size_t capacity = lineLimit_ + 1 + blockSize_;
    if (!buffer_) {
        buffer_.reset(new char[capacity]);
        return;
    }
    const std::size_t kept = end_ - begin_;
    if (begin_ == 0 || (kept > begin_ && capacity - end_ >= blockSize_)) {
        return;
    }
    std::memmove(buffer_.get(), buffer_.get() + begin_, kept);
    scanned_ -= begin_;
    lineFeedFreeTo_ -= std::min(lineFeedFreeTo_, begin_);
    if (lineFeed_ != npos) {
        lineFeed_ -= begin_;
    }
    begin_ = 0;
    end_ = kept;
}

} // namespace vemlik
