#include "output_buffer.h"

#include <charconv>

namespace vemlik::cli {

namespace {

constexpr std::size_t kFlushSize = 1 << 16;

} // namespace

OutputBuffer::OutputBuffer(SystemFile& stream, OutputBuffer* writtenBefore)
    : stream_(stream), writtenBefore_(writtenBefore) {
    pending_.reserve(kFlushSize);
}

void OutputBuffer::append(std::string_view text) {
    if (pending_.size() + text.size() > kFlushSize) {
        flush();
        recordSplit_ = true;
        if (text.size() >= kFlushSize) {
            write(text);
            return;
        }
    }
    pending_.append(text);
}

void OutputBuffer::append(char character) {
    append(std::string_view(&character, 1));
}

void OutputBuffer::appendNumber(std::size_t number) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    append(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void OutputBuffer::endRecord() {
    if (recordSplit_) {
        write(pending_);
        pending_.clear();
        recordSplit_ = false;
    }
}

bool OutputBuffer::flush() {
    if (writtenBefore_ != nullptr) {
        writtenBefore_->flush();
    }
    write(pending_);
    pending_.clear();
    recordSplit_ = false;
    return !failed_;
}

// The room of a long text written in place goes back, so that memory stays small.
void OutputBuffer::writeIfFull() {
    if (pending_.size() < kFlushSize) {
        return;
    }
    flush();
    if (pending_.capacity() > 2 * kFlushSize) {
        std::string().swap(pending_);
        pending_.reserve(kFlushSize);
    }
}

// After the first refusal nothing more is tried: whoever reads has lost the text already.
void OutputBuffer::write(std::string_view text) {
    failed_ = failed_ || !stream_.writeAll(text);
}

} // namespace vemlik::cli
