#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vemlik {

// Text inside the program is UTF-8; files written on Czech systems may be in Windows-1250.

bool isValidUtf8(std::string_view bytes);

// Judges bytes one at a time as isValidUtf8 does (no overlong forms, no surrogates, nothing above
// U+10FFFF), for texts that are read in pieces and never held whole.
class Utf8Checker {
public:
    void take(unsigned char byte);
    // Every byte so far fits, and no character is left unfinished.
    bool valid() const { return valid_ && awaited_ == 0; }

private:
    void startCharacter(unsigned char lead);

    int awaited_ = 0; // continuation bytes still to come
    unsigned char low_ = 0x80;
    unsigned char high_ = 0xBF; // the range of the next continuation byte
    bool valid_ = true;
};

std::string windows1250ToUtf8(std::string_view bytes);
// Nothing when the text holds a character that Windows-1250 cannot carry.
std::optional<std::string> utf8ToWindows1250(std::string_view text);

// Characters, not bytes.
std::size_t characterCount(std::string_view text);
// The text up to the end of its character with the number given, or the whole of a shorter one.
std::string_view firstCharacters(std::string_view text, std::size_t count);

// Bytes of the control character at the index of UTF-8 text: a C0 one (TAB among them) and DEL
// take one, a C1 one (U+0080 to U+009F) two; 0 for any other character.
std::size_t controlCharacterLength(std::string_view text, std::size_t index);

// Whether a character of the text is white space in Unicode's sense: a blank of any width, a
// line or paragraph separator, or one of TAB, LF, VT, FF, CR and NEL.
bool holdsWhiteSpace(std::string_view text);

// Small and capital letters are alike for ASCII and the Latin letters of Central European
// languages (Czech among them).
bool equalIgnoringCase(std::string_view a, std::string_view b);

} // namespace vemlik
