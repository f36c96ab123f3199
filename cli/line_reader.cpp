#include "line_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace vemlik::cli {

namespace {

constexpr std::size_t kReadSize = std::size_t{1} << 20;
// The longest line, its CR and one read: allocated once, its pages used only as lines need them.
constexpr std::size_t kCapacity = kMaxLineLength + 2 + kReadSize;

} // namespace

int openForReading(const std::string& path) {
    const int fileDescriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fileDescriptor < 0) {
        return -1;
    }
    struct stat status {};
    if (::fstat(fileDescriptor, &status) != 0 || S_ISDIR(status.st_mode)) {
        ::close(fileDescriptor);
        errno = EISDIR;
        return -1;
    }
    return fileDescriptor;
}

LineReader::LineReader(int fileDescriptor) : fileDescriptor_(fileDescriptor) {}

LineReader::~LineReader() {
    if (fileDescriptor_ > STDERR_FILENO) {
        ::close(fileDescriptor_);
    }
}

LineReader::LineReader(LineReader&& other) noexcept
    : fileDescriptor_(std::exchange(other.fileDescriptor_, -1)), block_(std::move(other.block_)),
      begin_(other.begin_), end_(other.end_), scanned_(other.scanned_), newline_(other.newline_),
      skipping_(other.skipping_), endOfInput_(other.endOfInput_), failed_(other.failed_) {}

bool LineReader::hasBufferedLine() {
    return findNewline() || endOfInput_ || unfinishedLineTooLong();
}

std::optional<InputLine> LineReader::nextLine() {
    for (;;) {
        if (findNewline()) {
            const std::size_t end = std::exchange(newline_, std::string::npos);
            return takeLine(end, end + 1);
        }
        if (unfinishedLineTooLong()) {
            skipping_ = true;
            begin_ = scanned_ = end_ = 0;
            return InputLine{{}, true};
        }
        if (!readMore()) {
            break;
        }
    }
    if (begin_ < end_ && !failed_) {
        return takeLine(end_, end_);
    }
    return std::nullopt;
}

// Searches only the bytes not searched before, dropping what is left of a line too long.
bool LineReader::findNewline() {
    while (newline_ == std::string::npos) {
        const void* found =
            scanned_ < end_ ? std::memchr(block_.get() + scanned_, '\n', end_ - scanned_) : nullptr;
        if (found == nullptr) {
            scanned_ = end_;
            if (skipping_) {
                begin_ = scanned_ = end_ = 0;
            }
            return false;
        }
        const auto at = static_cast<std::size_t>(static_cast<const char*>(found) - block_.get());
        if (!skipping_) {
            newline_ = at;
            return true;
        }
        skipping_ = false;
        begin_ = scanned_ = at + 1;
    }
    return true;
}

// One byte more than the limit may still be the CR of the line end.
bool LineReader::unfinishedLineTooLong() const {
    return !skipping_ && end_ - begin_ > kMaxLineLength + 1;
}

InputLine LineReader::takeLine(std::size_t end, std::size_t next) {
    std::size_t lineEnd = end;
    if (lineEnd > begin_ && block_[lineEnd - 1] == '\r') {
        --lineEnd;
    }
    const std::string_view line(block_.get() + begin_, lineEnd - begin_);
    begin_ = scanned_ = next;
    if (line.size() > kMaxLineLength) {
        return {{}, true};
    }
    return {line, false};
}

// Keeps the unfinished line and makes room behind it; false at the end of the input or on a
// read error.
bool LineReader::readMore() {
    if (endOfInput_) {
        return false;
    }
    makeRoom();
    for (;;) {
        const ssize_t count =
            ::read(fileDescriptor_, block_.get() + end_, std::min(kReadSize, kCapacity - end_));
        if (count > 0) {
            end_ += static_cast<std::size_t>(count);
            return true;
        }
        if (count < 0 && errno == EINTR) {
            continue;
        }
        endOfInput_ = true;
        failed_ = count < 0;
        return false;
    }
}

// Moving the unfinished line to the front costs no more than the lines passed over before it,
// or happens once for a line that needs all the room; either way each byte moves about once.
void LineReader::makeRoom() {
    if (!block_) {
        block_.reset(new char[kCapacity]);
        return;
    }
    const std::size_t kept = end_ - begin_;
    if (begin_ == 0 || (kept > begin_ && kCapacity - end_ >= kReadSize)) {
        return;
    }
    std::memmove(block_.get(), block_.get() + begin_, kept);
    scanned_ -= begin_;
    begin_ = 0;
    end_ = kept;
}

} // namespace vemlik::cli
