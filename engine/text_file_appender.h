#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace vemlik {

// A text file open for appending. Text is written in the encoding the file already has:
// Windows-1250 when its present contents are not valid UTF-8, UTF-8 otherwise (also for a
// new or empty file). Every append is encoded whole first, written at once and flushed, so a
// text that the encoding cannot carry is refused before anything is written.
class TextFileAppender {
public:
    TextFileAppender() = default;
    TextFileAppender(const TextFileAppender&) = delete;
    TextFileAppender& operator=(const TextFileAppender&) = delete;
    ~TextFileAppender();

    // Opens the file at its end, creating it when missing. False when it cannot be opened.
    bool open(const std::string& fileName);
    // False when the text cannot be encoded or the write or flush fails.
    bool append(std::string_view text);
    void close();
    bool isOpen() const { return file_ != nullptr; }

private:
    std::FILE* file_ = nullptr;
    bool windows1250_ = false;
};

} // namespace vemlik
