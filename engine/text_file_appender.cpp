#include "text_file_appender.h"

#include "vemlik/text_encoding.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

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

// The encoding is judged on this much of the file's start and as much of its end, so that a
// file of any size opens at once: what was written last is what the next line follows.
constexpr std::uint64_t kJudgedStretch = 64 * 1024;

// The bytes of the file from the offset on, as many as the buffer takes or the file holds.
std::string_view readStretch(SystemFile& file, std::uint64_t offset, std::span<char> buffer) {
    std::size_t filled = 0;
    std::ptrdiff_t count = 0;
    while (filled < buffer.size() &&
           (count = file.readAt(buffer.data() + filled, buffer.size() - filled, offset + filled)) >
               0) {
        filled += static_cast<std::size_t>(count);
    }
    return {buffer.data(), filled};
}

bool continuesCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Without the bytes of a UTF-8 character that began before the stretch.
std::string_view fromWholeCharacter(std::string_view bytes) {
    for (int dropped = 0; dropped < 3 && !bytes.empty() && continuesCharacter(bytes.front());
         ++dropped) {
        bytes.remove_prefix(1);
    }
    return bytes;
}

// Without a UTF-8 character that the end of the stretch cuts short.
std::string_view toWholeCharacter(std::string_view bytes) {
    std::size_t lead = bytes.size();
    while (lead > 0 && bytes.size() - lead < 3 && continuesCharacter(bytes[lead - 1])) {
        --lead;
    }
    if (lead == 0) {
        return bytes;
    }
    --lead;
    const auto byte = static_cast<unsigned char>(bytes[lead]);
    const std::size_t size = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return lead + size > bytes.size() ? bytes.substr(0, lead) : bytes;
}

// Only the contents of a regular file count: a device such as /dev/full reads without end. A
// file that may not be read counts as empty.
PresentContents presentContents(SystemFile& file) {
    const std::uint64_t length = file.regularFileLength().value_or(0);
    std::vector<char> buffer(static_cast<std::size_t>(std::min(length, 2 * kJudgedStretch)));
    const std::span<char> whole(buffer);
    LineEncodings lines;
    std::string_view end;
    if (length <= 2 * kJudgedStretch) {
        end = readStretch(file, 0, whole);
        lines.take(end);
    } else {
        lines.take(toWholeCharacter(readStretch(file, 0, whole.first(kJudgedStretch))));
        lines.endLine();
        end = readStretch(file, length - kJudgedStretch, whole.last(kJudgedStretch));
        lines.take(fromWholeCharacter(end));
    }
    lines.endLine();
    return {lines.windows1250(), !end.empty() && end.back() != '\n'};
}

} // namespace

bool TextFileAppender::open(const std::string& fileName) {
    file_ = SystemFile::openForAppending(fileName);
    if (!file_.isOpen()) {
        return false;
    }
    const PresentContents contents = presentContents(file_);
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
    if (!file_.appendWhole(text)) {
        return AppendOutcome::Failed;
    }
    endsMidLine_ = text.empty() ? endsMidLine_ : text.back() != '\n';
    return AppendOutcome::Written;
}

} // namespace vemlik
