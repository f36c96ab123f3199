#include "line_reader.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vemlik::cli {

namespace {

constexpr std::size_t kBlockSize = 1 << 20;

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
    : fileDescriptor_(other.fileDescriptor_), block_(std::move(other.block_)), begin_(other.begin_),
      end_(other.end_), newline_(other.newline_), endOfInput_(other.endOfInput_),
      failed_(other.failed_) {
    other.fileDescriptor_ = -1;
}

bool LineReader::hasBufferedLine() {
    if (newline_ == std::string::npos) {
        const void* found = std::memchr(block_.data() + begin_, '\n', end_ - begin_);
        if (found == nullptr) {
            return endOfInput_;
        }
        newline_ = static_cast<std::size_t>(static_cast<const char*>(found) - block_.data());
    }
    return true;
}

std::optional<std::string_view> LineReader::nextLine() {
    while (!hasBufferedLine()) {
        if (!readMore()) {
            break;
        }
    }
    if (newline_ != std::string::npos) {
        const std::size_t end = newline_;
        newline_ = std::string::npos;
        return takeLine(end, end + 1);
    }
    if (begin_ < end_ && !failed_) {
        return takeLine(end_, end_);
    }
    return std::nullopt;
}

std::string_view LineReader::takeLine(std::size_t end, std::size_t next) {
    std::size_t lineEnd = end;
    if (lineEnd > begin_ && block_[lineEnd - 1] == '\r') {
        --lineEnd;
    }
    const std::string_view line(block_.data() + begin_, lineEnd - begin_);
    begin_ = next;
    return line;
}

// Keeps the unfinished line at the front of the block and fills the rest; false at the end
// of the input or on a read error.
bool LineReader::readMore() {
    if (endOfInput_) {
        return false;
    }
    const std::size_t kept = end_ - begin_;
    std::memmove(block_.data(), block_.data() + begin_, kept);
    begin_ = 0;
    end_ = kept;
    if (block_.empty()) {
        block_.resize(kBlockSize);
    } else if (end_ == block_.size()) {
        block_.resize(block_.size() * 2);
    }
    for (;;) {
        const ssize_t count = ::read(fileDescriptor_, block_.data() + end_, block_.size() - end_);
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

} // namespace vemlik::cli
