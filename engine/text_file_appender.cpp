#include "text_file_appender.h"

#include "text_encoding.h"

#include <array>
#include <cstddef>
#include <optional>

namespace vemlik {

namespace {

// Follows a file's bytes line by line and judges each non-ASCII line as UTF-8 or not, by the
// rules of isValidUtf8 (no overlong forms, no surrogates, nothing above U+10FFFF), without
// holding a line: a line may be as long as the file.
class LineEncodings {
public:
    void take(std::string_view bytes) {
        for (const char byte : bytes) {
            if (byte == '\n' || byte == '\r') {
                endLine();
            } else {
                follow(static_cast<unsigned char>(byte));
            }
        }
    }
    void endLine() {
        if (nonAscii_) {
            (valid_ && awaited_ == 0 ? utf8Seen_ : windows1250Seen_) = true;
        }
        nonAscii_ = false;
        valid_ = true;
        awaited_ = 0;
    }
    bool windows1250() const { return windows1250Seen_ && !utf8Seen_; }

private:
    void follow(unsigned char byte) {
        if (awaited_ > 0) {
            valid_ = valid_ && byte >= low_ && byte <= high_;
            --awaited_;
            low_ = 0x80;
            high_ = 0xBF;
        } else if (byte >= 0x80) {
            nonAscii_ = true;
            startCharacter(byte);
        }
    }
    // The continuation bytes a lead byte awaits, and the range of the first of them.
    void startCharacter(unsigned char lead) {
        awaited_ = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
        low_ = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
        high_ = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
        valid_ = valid_ && lead >= 0xC2 && lead <= 0xF4;
    }

    bool nonAscii_ = false;
    bool valid_ = true;
    int awaited_ = 0;
    unsigned char low_ = 0x80;
    unsigned char high_ = 0xBF;
    bool utf8Seen_ = false;
    bool windows1250Seen_ = false;
};

struct PresentContents {
    bool windows1250 = false;
    bool endsMidLine = false;
};

// Only the contents of a regular file count: a device such as /dev/full reads without end.
PresentContents presentContents(const std::string& fileName) {
    SystemFile file = SystemFile::openForReading(fileName, SystemFile::Kinds::regularOnly);
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
        return AppendOutcome::failed;
    }
    if (!file_.stillNamed()) {
        return AppendOutcome::fileGone;
    }
    std::optional<std::string> encoded;
    if (windows1250_) {
        encoded = utf8ToWindows1250(text);
        if (!encoded) {
            return AppendOutcome::failed;
        }
        text = *encoded;
    }
    if (!file_.appendWhole(text)) {
        return AppendOutcome::failed;
    }
    endsMidLine_ = text.empty() ? endsMidLine_ : text.back() != '\n';
    return AppendOutcome::written;
}

} // namespace vemlik
