#include "line_stream.h"

#include <cstring>
#include <utility>

namespace vemlik {

namespace {

constexpr std::size_t kChunkSize = 64 * 1024;

// The length of the text up to its first LF or CR, or its whole length.
std::size_t lineLength(std::string_view text) {
    const void* lineFeed = std::memchr(text.data(), '\n', text.size());
    const std::size_t beforeLineFeed =
        lineFeed == nullptr
            ? text.size()
            : static_cast<std::size_t>(static_cast<const char*>(lineFeed) - text.data());
    const void* carriageReturn = std::memchr(text.data(), '\r', beforeLineFeed);
    return carriageReturn == nullptr
               ? beforeLineFeed
               : static_cast<std::size_t>(static_cast<const char*>(carriageReturn) - text.data());
}

} // namespace

LineStream::LineStream(SystemFile& file) : file_(&file), buffer_(kChunkSize) {}

LineStream::LineStream(std::string_view text)
    : buffer_(text.begin(), text.end()), end_(text.size()) {
    if (!text.empty()) {
        lastByte_ = text.back();
    }
}

bool LineStream::refill() {
    if (file_ == nullptr) {
        return false;
    }
    const std::ptrdiff_t count = failed_ ? -1 : file_->read(buffer_.data(), buffer_.size());
    failed_ = count < 0;
    begin_ = 0;
    end_ = count > 0 ? static_cast<std::size_t>(count) : 0;
    if (end_ > 0) {
        lastByte_ = buffer_[end_ - 1];
    }
    return end_ > 0;
}

void LineStream::take(std::string_view piece, bool& tooLong) {
    if (tooLong) {
        return;
    }
    if (line_.size() + piece.size() > kLineLimit) {
        tooLong = true;
        line_.clear();
        return;
    }
    line_.append(piece);
}

std::optional<LineStream::Line> LineStream::next() {
    line_.clear();
    bool tooLong = false;
    bool started = false;
    while (begin_ < end_ || refill()) {
        // The LF of a CR LF belongs to the line end before it.
        if (std::exchange(afterCarriageReturn_, false) && buffer_[begin_] == '\n') {
            ++begin_;
            continue;
        }
        const std::string_view rest(buffer_.data() + begin_, end_ - begin_);
        const std::size_t length = lineLength(rest);
        begin_ += length;
        if (begin_ < end_) {
            afterCarriageReturn_ = buffer_[begin_] == '\r';
            ++begin_;
            // A line within one read is handed out where it lies, without a copy. Only a text
            // in memory holds lines longer than one read.
            if (!started) {
                return length > kLineLimit ? Line{{}, true} : Line{rest.substr(0, length), false};
            }
            take(rest.substr(0, length), tooLong);
            return Line{line_, tooLong};
        }
        started = true;
        take(rest, tooLong);
    }
    if (!started || failed_) {
        return std::nullopt;
    }
    return Line{line_, tooLong};
}

} // namespace vemlik
