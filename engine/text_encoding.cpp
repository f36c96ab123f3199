#include "vemlik/text_encoding.h"

#include "text_scanning.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace vemlik {

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Characters of the Windows-1250 bytes 0x80 to 0xFF. The five bytes the code page leaves
// undefined read as the replacement character.
constexpr std::array<char16_t, 128> kWindows1250High = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0xFFFD, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 88
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

// One step through UTF-8: the character and the bytes it takes. A byte that does not start a
// well-formed sequence stands for itself, marked above the Unicode range so that it never
// equals a real character.
struct Decoded {
    char32_t character;
    std::size_t size;
};

constexpr char32_t kStrayByteMark = 0x110000;

unsigned byteAt(std::string_view text, std::size_t index) {
    return static_cast<unsigned char>(text[index]);
}

Decoded decodeAt(std::string_view text, std::size_t index) {
    const unsigned lead = byteAt(text, index);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t size = 0;
    char32_t character = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        size = 2;
        character = lead & 0x1Fu;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        size = 3;
        character = lead & 0x0Fu;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        size = 4;
        character = lead & 0x07u;
        smallest = 0x10000;
    } else {
        return {kStrayByteMark + lead, 1};
    }
    if (text.size() - index < size) {
        return {kStrayByteMark + lead, 1};
    }
    for (std::size_t offset = 1; offset < size; ++offset) {
        const unsigned next = byteAt(text, index + offset);
        if ((next & 0xC0u) != 0x80u) {
            return {kStrayByteMark + lead, 1};
        }
        character = (character << 6) | (next & 0x3Fu);
    }
    const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
    if (character < smallest || surrogate || character > 0x10FFFF) {
        return {kStrayByteMark + lead, 1};
    }
    return {character, size};
}

void appendUtf8(std::string& out, char32_t character) {
    if (character < 0x80) {
        out += static_cast<char>(character);
    } else if (character < 0x800) {
        out += static_cast<char>(0xC0 | (character >> 6));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        out += static_cast<char>(0xE0 | (character >> 12));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (character >> 18));
        out += static_cast<char>(0x80 | ((character >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    }
}

std::optional<char> windows1250Byte(char32_t character) {
    if (character < 0x80) {
        return static_cast<char>(character);
    }
    if (character == kReplacementCharacter) {
        return std::nullopt;
    }
    for (std::size_t index = 0; index < kWindows1250High.size(); ++index) {
        if (kWindows1250High[index] == character) {
            return static_cast<char>(0x80 + index);
        }
    }
    return std::nullopt;
}

char32_t lowerCharacter(char32_t character) {
    if (character < 0x80) {
        return static_cast<unsigned char>(asciiLower(static_cast<char>(character)));
    }
    // Latin-1 Supplement: À to Þ except ×.
    if (character >= 0xC0 && character <= 0xDE && character != 0xD7) {
        return character + 0x20;
    }
    // Latin Extended-A pairs capital and small letter side by side; where the pairs start on
    // an odd code point the capital is the odd one. The Turkish dotted İ stays as it is, so that
    // every letter takes as many bytes in one case as in the other.
    if (character == 0x0178) {
        return 0x00FF;
    }
    const bool evenCapital = (character >= 0x0100 && character <= 0x0137 && character != 0x0130) ||
                             (character >= 0x014A && character <= 0x0177);
    const bool oddCapital = (character >= 0x0139 && character <= 0x0148) ||
                            (character >= 0x0179 && character <= 0x017E);
    if ((evenCapital && character % 2 == 0) || (oddCapital && character % 2 == 1)) {
        return character + 1;
    }
    return character;
}

bool isWhiteSpace(char32_t character) {
    return character == 0x20 || (character >= 0x09 && character <= 0x0D) || character == 0x85 ||
           character == 0xA0 || character == 0x1680 ||
           (character >= 0x2000 && character <= 0x200A) || character == 0x2028 ||
           character == 0x2029 || character == 0x202F || character == 0x205F || character == 0x3000;
}

// The bytes before the first one above ASCII, eight of them tested at once: most lines are
// plain ASCII, which is UTF-8 as it stands.
std::size_t plainAsciiLength(std::string_view bytes) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    std::size_t length = 0;
    for (std::uint64_t eight = 0; length + sizeof eight <= bytes.size(); length += sizeof eight) {
        std::memcpy(&eight, bytes.data() + length, sizeof eight);
        if ((eight & kHighBits) != 0) {
            break;
        }
    }
    while (length < bytes.size() && byteAt(bytes, length) < 0x80) {
        ++length;
    }
    return length;
}

} // namespace

void Utf8Checker::take(unsigned char byte) {
    if (awaited_ > 0) {
        valid_ = valid_ && byte >= low_ && byte <= high_;
        --awaited_;
        low_ = 0x80;
        high_ = 0xBF;
    } else if (byte >= 0x80) {
        startCharacter(byte);
    }
}

void Utf8Checker::startCharacter(unsigned char lead) {
    awaited_ = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    low_ = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    high_ = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    valid_ = valid_ && lead >= 0xC2 && lead <= 0xF4;
}

bool isValidUtf8(std::string_view bytes) {
    Utf8Checker checker;
    for (const char byte : bytes.substr(plainAsciiLength(bytes))) {
        checker.take(static_cast<unsigned char>(byte));
    }
    return checker.valid();
}

std::string windows1250ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code < 0x80) {
            out += byte;
        } else {
            appendUtf8(out, kWindows1250High[code - 0x80u]);
        }
    }
    return out;
}

std::optional<std::string> utf8ToWindows1250(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t index = 0;
    while (index < text.size()) {
        const Decoded step = decodeAt(text, index);
        const std::optional<char> byte = windows1250Byte(step.character);
        if (!byte) {
            return std::nullopt;
        }
        out += *byte;
        index += step.size;
    }
    return out;
}

std::size_t controlCharacterLength(std::string_view text, std::size_t index) {
    const auto byte = static_cast<unsigned char>(text[index]);
    if (byte < 0x20 || byte == 0x7F) {
        return 1;
    }
    const auto next = index + 1 < text.size() ? static_cast<unsigned char>(text[index + 1]) : 0;
    const bool c1 = byte == 0xC2 && next >= 0x80 && next <= 0x9F;
    return c1 ? 2 : 0;
}

namespace {

std::size_t nextCharacter(std::string_view text, std::size_t index) {
    return index + (byteAt(text, index) < 0x80 ? 1 : decodeAt(text, index).size);
}

} // namespace

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t index = 0; index < text.size(); index = nextCharacter(text, index)) {
        ++count;
    }
    return count;
}

std::string_view firstCharacters(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t taken = 0; taken < count && end < text.size(); ++taken) {
        end = nextCharacter(text, end);
    }
    return text.substr(0, end);
}

bool holdsWhiteSpace(std::string_view text) {
    for (std::size_t index = 0; index < text.size();) {
        const Decoded step = decodeAt(text, index);
        if (isWhiteSpace(step.character)) {
            return true;
        }
        index += step.size;
    }
    return false;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    // Both cases of a letter take the same number of bytes.
    if (a.size() != b.size()) {
        return false;
    }
    std::size_t index = 0;
    while (index < a.size()) {
        if (byteAt(a, index) < 0x80 && byteAt(b, index) < 0x80) {
            if (asciiLower(a[index]) != asciiLower(b[index])) {
                return false;
            }
            ++index;
            continue;
        }
        const Decoded stepA = decodeAt(a, index);
        const Decoded stepB = decodeAt(b, index);
        if (stepA.size != stepB.size ||
            lowerCharacter(stepA.character) != lowerCharacter(stepB.character)) {
            return false;
        }
        index += stepA.size;
    }
    return true;
}

} // namespace vemlik
