#include "stderr_messages.h"

#include "vemlik/text_encoding.h"

namespace vemlik::cli {

namespace {

// A TAB only moves the text on; every other control character could drive the terminal, and so
// could any byte above ASCII of a text that is not UTF-8 (0x9B starts a terminal command).
std::size_t controlLength(std::string_view text, std::size_t index, bool utf8) {
    if (!utf8 && static_cast<unsigned char>(text[index]) >= 0x80) {
        return 1;
    }
    return text[index] == '\t' ? 0 : controlCharacterLength(text, index);
}

void appendHex(OutputBuffer& errors, char byte) {
    constexpr std::string_view digits = "0123456789ABCDEF";
    const auto code = static_cast<unsigned char>(byte);
    const char escape[] = {'\\', 'x', digits[code >> 4], digits[code & 0xf]};
    errors.append(std::string_view(escape, sizeof escape));
}

} // namespace

void appendVisibly(OutputBuffer& errors, std::string_view text) {
    const bool utf8 = isValidUtf8(text);
    std::size_t plainStart = 0;
    std::size_t index = 0;
    while (index < text.size()) {
        const std::size_t length = controlLength(text, index, utf8);
        if (length == 0) {
            ++index;
            continue;
        }
        errors.append(text.substr(plainStart, index - plainStart));
        for (const char byte : text.substr(index, length)) {
            appendHex(errors, byte);
        }
        index += length;
        plainStart = index;
    }
    errors.append(text.substr(plainStart));
}

void LineMessages::showMessage(std::string_view text) {
    constexpr std::size_t kMessagesShown = 20;
    ++messagesOfLine_;
    if (messagesOfLine_ <= kMessagesShown) {
        writeMessage(text);
    } else if (messagesOfLine_ == kMessagesShown + 1) {
        writeMessage("další hlášení tohoto řádku vynechána");
    }
}

void LineMessages::writeMessage(std::string_view text) {
    errors_.append("řádek ");
    errors_.appendNumber(lineNumber_);
    errors_.append(": ");
    appendVisibly(errors_, text);
    errors_.append('\n');
    errors_.endRecord();
}

void UserFileMessages::showMessage(std::string_view text) {
    appendVisibly(errors_, engine_.userFileName());
    errors_.append(": ");
    appendVisibly(errors_, text);
    errors_.append('\n');
    errors_.endRecord();
}

} // namespace vemlik::cli
