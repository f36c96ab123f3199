#include "text_file_appender.h"

#include "vemlik/text_encoding.h"

#include <array>
#include <cstddef>
#include <optional>

namespace vemlik {

namespace {

// Follows a file's bytes line by line and judges each non-ASCII line as UTF-8 or not, without
// holding a line: a line may be as long as the file.
class LineEncodings {
public:
    void take(std::string_view bytes) {
        for (const char byte : bytes) {
            if (byte == '\n' || byte == '\r') {
                endLine();
            } else {
                nonAscii_ = nonAscii_ || static_cast<unsigned char>(byte) >= 0x80;
                line_.take(static_cast<unsigned char>(byte));
            }
        }
    }
    void endLine() {
        if (nonAscii_) {
            (line_.valid() ? utf8Seen_ : windows1250Seen_) = true;
        }
        nonAscii_ = false;
        line_ = {};
    }
    bool windows1250() const { return windows1250Seen_ && !utf8Seen_; }

private:
    Utf8Checker line_;
    bool nonAscii_ = false;
    bool utf8Seen_ = false;
    bool windows1250Seen_ = false;
};

struct PresentContents {
    bool windows1250 = false;
    bool endsMidLine = false;
};

// Only the contents of a regular file count: a device such as /dev/full reads without end.
PresentContents presentContents(const std::string& fileName) {
    SystemFile file = SystemFile::openForReading(fileName, SystemFile::Kinds::RegularOnly);
    std::array<char, 65536> buffer;
    LineEncodings lines;
    std::optional<char> lastByte;
    std::ptrdiff_t count = 0;
    while (file.isOpen() && (count = file.read(buffer.data(), buffer.size())) > 0) {
        lines.take(std::string_view(buffer.data(), static_cast<std::size_t>(count)));
        lastByte = buffer[static_cast<std::size_t>(count) - 1];
    }
    lines.endLine();
    return {lines.windows1250(), lastByte && *lastByte != '\n'};
}

} // namespace

bool TextFileAppender::open(const std::string& fileName) {
    file_ = SystemFile::openForAppending(fileName);
    if (!file_.isOpen()) {
        return false;
    }
    const PresentContents contents = presentContents(fileName);
    windows1250_ = contents.windows1250;
    endsMidLine_ = contents.endsMidLine;
    return true;
}

AppendOutcome TextFileAppender::append(std::string_view text) {
    if (!file_.isOpen() || !isValidUtf8(text)) {
        return AppendOutcome::Failed;
    }
    if (!file_.stillNamed()) {
        return AppendOutcome::FileGone;
    }
    std::optional<std::string> encoded;
    if (windows1250_) {
        encoded = utf8ToWindows1250(text);
        if (!encoded) {
            return AppendOutcome::Failed;
        }
        text = *encoded;
    }
    const FileLock lock(file_);
    if (!file_.appendWhole(text)) {
        return AppendOutcome::Failed;
    }
    endsMidLine_ = text.empty() ? endsMidLine_ : text.back() != '\n';
    return AppendOutcome::Written;
}

} // namespace vemlik
