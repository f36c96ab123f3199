#include "output_buffer.h"

#include <cerrno>
#include <charconv>
#include <unistd.h>

namespace vemlik::cli {

namespace {

constexpr std::size_t kFlushSize = 1 << 16;

} // namespace

OutputBuffer::OutputBuffer(int fileDescriptor) : fileDescriptor_(fileDescriptor) {
    pending_.reserve(kFlushSize + 4096);
}

void OutputBuffer::append(std::string_view text) {
    pending_.append(text);
}

void OutputBuffer::append(char character) {
    pending_.push_back(character);
}

void OutputBuffer::appendNumber(std::size_t number) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    pending_.append(digits, end);
}

bool OutputBuffer::isFull() const {
    return pending_.size() >= kFlushSize;
}

bool OutputBuffer::flush() {
    std::size_t written = 0;
    while (written < pending_.size()) {
        const ssize_t count =
            ::write(fileDescriptor_, pending_.data() + written, pending_.size() - written);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            pending_.clear();
            return false;
        }
        written += static_cast<std::size_t>(count);
    }
    pending_.clear();
    return true;
}

} // namespace vemlik::cli
