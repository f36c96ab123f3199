#pragma once

#include "vemlik/engine.h"
#include "vemlik/system_file.h"

#include <string>
#include <string_view>

namespace vemlik {

// A text file open for appending: a regular file or a character device, never a FIFO or a
// socket. Text is written in the encoding the file already has: Windows-1250 when every
// non-ASCII line of the start and the end of its present contents is Windows-1250, UTF-8
// otherwise (also for a new or empty file). Every append is encoded whole first, then written at
// once and synced to the disk; a text that the encoding cannot carry is refused before anything is
// written, and a failed write leaves the file as it was.
class TextFileAppender {
public:
    // Opens the file at its end, creating it when missing. False when it cannot be opened.
    bool open(const std::string& fileName);
    // Holds the file's lock while it lives: other processes' appends wait, so that what is read
    // of the file meanwhile is what the next append follows. Hold it around every append.
    FileLock lock() { return FileLock(file_); }
    // FileGone, with nothing written, once the file was deleted while open.
    AppendOutcome append(std::string_view text);
    void close() { file_.close(); }
    bool isOpen() const { return file_.isOpen(); }
    // The file's present contents end in something other than LF.
    bool endsMidLine() const { return endsMidLine_; }

private:
    SystemFile file_;
    bool windows1250_ = false;
    bool endsMidLine_ = false;
};

} // namespace vemlik
