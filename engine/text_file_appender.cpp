#include "text_file_appender.h"

#include "text_encoding.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

namespace vemlik {

namespace {

// Bytes at the end of a chunk that begin a character the next chunk completes.
std::size_t unfinishedTail(std::string_view chunk) {
    const std::size_t lookBack = std::min<std::size_t>(chunk.size(), 3);
    for (std::size_t back = 1; back <= lookBack; ++back) {
        const auto byte = static_cast<unsigned char>(chunk[chunk.size() - back]);
        if ((byte & 0xC0u) == 0x80u) {
            continue;
        }
        const std::size_t needed = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return needed > back ? back : 0;
    }
    return 0;
}

// Only the present contents of a regular file count: a device such as /dev/full reads
// without end.
bool holdsWindows1250(const std::string& fileName) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error)) {
        return false;
    }
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    std::array<char, 65536> buffer;
    std::size_t carried = 0;
    bool valid = true;
    while (valid) {
        const std::size_t count =
            std::fread(buffer.data() + carried, 1, buffer.size() - carried, file);
        if (count == 0) {
            valid = carried == 0;
            break;
        }
        const std::string_view chunk(buffer.data(), carried + count);
        const std::size_t tail = unfinishedTail(chunk);
        valid = isValidUtf8(chunk.substr(0, chunk.size() - tail));
        std::memmove(buffer.data(), chunk.data() + chunk.size() - tail, tail);
        carried = tail;
    }
    std::fclose(file);
    return !valid;
}

} // namespace

TextFileAppender::~TextFileAppender() {
    close();
}

bool TextFileAppender::open(const std::string& fileName) {
    close();
    file_ = std::fopen(fileName.c_str(), "ab");
    if (file_ == nullptr) {
        return false;
    }
    // Unbuffered, so that a failed write leaves nothing behind to reach the file later.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    windows1250_ = holdsWindows1250(fileName);
    return true;
}

bool TextFileAppender::append(std::string_view text) {
    if (file_ == nullptr || !isValidUtf8(text)) {
        return false;
    }
    std::optional<std::string> encoded;
    if (windows1250_) {
        encoded = utf8ToWindows1250(text);
        if (!encoded) {
            return false;
        }
        text = *encoded;
    }
    std::clearerr(file_);
    const bool written = std::fwrite(text.data(), 1, text.size(), file_) == text.size();
    return std::fflush(file_) == 0 && written;
}

void TextFileAppender::close() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

} // namespace vemlik
