#include "stderr_messages.h"

namespace vemlik::cli {

namespace {

bool isC0OrDelete(unsigned char byte) {
    return (byte < 0x20 && byte != '\t') || byte == 0x7f;
}

// U+0080 to U+009F, whose UTF-8 form starts with C2.
bool startsC1(std::string_view text, std::size_t index) {
    return static_cast<unsigned char>(text[index]) == 0xc2 && index + 1 < text.size() &&
           static_cast<unsigned char>(text[index + 1]) >= 0x80 &&
           static_cast<unsigned char>(text[index + 1]) <= 0x9f;
}

void appendHex(OutputBuffer& errors, unsigned char byte) {
    constexpr std::string_view digits = "0123456789ABCDEF";
    const char escape[] = {'\\', 'x', digits[byte >> 4], digits[byte & 0xf]};
    errors.append(std::string_view(escape, sizeof escape));
}

// Messages repeat what the input held; its control characters are written as \xHH so that
// the input cannot drive the terminal that shows them.
void appendVisibly(OutputBuffer& errors, std::string_view text) {
    std::size_t plainStart = 0;
    for (std::size_t index = 0; index < text.size(); ++index) {
        const std::size_t length = startsC1(text, index)                                   ? 2
                                   : isC0OrDelete(static_cast<unsigned char>(text[index])) ? 1
                                                                                           : 0;
        if (length == 0) {
            continue;
        }
        errors.append(text.substr(plainStart, index - plainStart));
        for (std::size_t byte = index; byte < index + length; ++byte) {
            appendHex(errors, static_cast<unsigned char>(text[byte]));
        }
        index += length - 1;
        plainStart = index + 1;
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
