#include "stderr_messages.h"

#include "vemlik/text_encoding.h"

namespace vemlik::cli {

namespace {

// A TAB only moves the text on; every other control character could drive the terminal, and so
// could any byte above ASCII of a text that is not UTF-8 (0x9B starts a terminal command).
std::size_t controlLength(std::string_view text, std::size_t index, bool utf8) {
    const auto byte = static_cast<unsigned char>(text[index]);
    // Printable ASCII, most of any message, is told at once.
    if (byte >= 0x20 && byte < 0x7F) {
        return 0;
    }
    if (!utf8 && byte >= 0x80) {
        return 1;
    }
    return text[index] == '\t' ? 0 : controlCharacterLength(text, index);
}

void appendHex(std::string& out, char byte) {
    constexpr std::string_view digits = "0123456789ABCDEF";
    const auto code = static_cast<unsigned char>(byte);
    const char escape[] = {'\\', 'x', digits[code >> 4], digits[code & 0xf]};
    out.append(escape, sizeof escape);
}

} // namespace

std::string visibleText(std::string_view text) {
    const bool utf8 = isValidUtf8(text);
    std::string visible;
    visible.reserve(text.size());
    std::size_t plainStart = 0;
    std::size_t index = 0;
    while (index < text.size()) {
        const std::size_t length = controlLength(text, index, utf8);
        if (length == 0) {
            ++index;
            continue;
        }
        visible += text.substr(plainStart, index - plainStart);
        for (const char byte : text.substr(index, length)) {
            appendHex(visible, byte);
        }
        index += length;
        plainStart = index;
    }
    visible += text.substr(plainStart);
    return visible;
}

void LineMessages::startLine(std::size_t lineNumber) {
    lineNumber_ = lineNumber;
    messagesOfLine_ = 0;
    omitting_ = false;
}

void LineMessages::showMessage(std::string_view text) {
    constexpr std::size_t kMessagesShown = 20;
    // The messages of one line are held no bigger than about the longest line.
    constexpr std::size_t kHeldBytes = std::size_t{16} << 20;
    if (omitting_) {
        return;
    }
    if (++messagesOfLine_ > kMessagesShown || kept_.size() >= kHeldBytes) {
        keep("další hlášení tohoto řádku vynechána");
        omitting_ = true;
        return;
    }
    keep(text);
}

void LineMessages::keep(std::string_view text) {
    kept_ += "řádek ";
    kept_ += std::to_string(lineNumber_);
    kept_ += ": ";
    kept_ += visibleText(text);
    kept_ += '\n';
}

void LineMessages::writeMessages() {
    if (kept_.empty()) {
        return;
    }
    errors_.append(kept_);
    errors_.endRecord();
    // The room that the messages of a long line took goes back.
    constexpr std::size_t kKeptRoom = std::size_t{1} << 16;
    kept_.clear();
    if (kept_.capacity() > kKeptRoom) {
        std::string().swap(kept_);
    }
}

void ToolMessages::showMessage(std::string_view text) {
    errors_.append("vemlik-cli: ");
    errors_.append(visibleText(text));
    errors_.append('\n');
    errors_.endRecord();
}

} // namespace vemlik::cli
