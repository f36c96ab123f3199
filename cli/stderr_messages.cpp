#include "stderr_messages.h"

namespace vemlik::cli {

namespace {

// Bytes of the control character at index: C1 (U+0080 to U+009F) takes two in UTF-8, C0 other
// than TAB and DEL one; 0 for any other character.
std::size_t controlLength(std::string_view text, std::size_t index) {
    const auto byte = static_cast<unsigned char>(text[index]);
    if ((byte < 0x20 && byte != '\t') || byte == 0x7f) {
        return 1;
    }
    const bool c1 = byte == 0xc2 && index + 1 < text.size() &&
                    static_cast<unsigned char>(text[index + 1]) <= 0x9f &&
                    static_cast<unsigned char>(text[index + 1]) >= 0x80;
    return c1 ? 2 : 0;
}

void appendHex(OutputBuffer& errors, char byte) {
    constexpr std::string_view digits = "0123456789ABCDEF";
    const auto code = static_cast<unsigned char>(byte);
    const char escape[] = {'\\', 'x', digits[code >> 4], digits[code & 0xf]};
    errors.append(std::string_view(escape, sizeof escape));
}

// Messages repeat what the input held; its control characters are written as \xHH so that
// the input cannot drive the terminal that shows them.
void appendVisibly(OutputBuffer& errors, std::string_view text) {
    std::size_t plainStart = 0;
    std::size_t index = 0;
    while (index < text.size()) {
        const std::size_t length = controlLength(text, index);
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

} // namespace

void LineMessages::showMessage(std::string_view text) {
    errors_.append("řádek ");
    errors_.appendNumber(lineNumber_);
    errors_.append(": ");
    appendVisibly(errors_, text);
    errors_.append('\n');
    errors_.endRecord();
}

void FileMessages::showMessage(std::string_view text) {
    errors_.append(fileName_);
    errors_.append(": ");
    appendVisibly(errors_, text);
    errors_.append('\n');
    errors_.endRecord();
}

} // namespace vemlik::cli
