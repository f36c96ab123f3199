#include "number_reader.h"

#include "text_scanning.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

namespace vemlik {

namespace {

// How strictly a text is read as a number.
struct ScanRules {
    bool skipsBlanks;  // blanks, tabs and line feeds anywhere are passed over
    bool commaIsPoint; // "," may stand for the decimal point
    bool dExponent;    // D may stand for E
};

constexpr ScanRules kLeadingNumber{true, false, true};
constexpr ScanRules kWholeFactor{false, true, true};
constexpr ScanRules kRecordNumber{false, false, false};

// The characters of a number as far as they go, rewritten for std::from_chars
// ("-", digits, ".", digits, "e", sign, digits), which never depends on the locale.
struct ScannedNumber {
    std::string text;
    std::size_t end = 0; // index just past the last character examined
    bool hasDigits = false;
    bool negative = false;
    // Power of ten of the first non-zero mantissa digit and the exponent written, both capped,
    // so that a number too large or too small for a double can be told apart.
    std::int64_t leadingPower = 0;
    std::int64_t exponent = 0;
};

constexpr std::int64_t kPowerCap = 1'000'000'000;

bool isSkipped(char character) {
    return character == ' ' || character == '\t' || character == '\n';
}

bool isExponentLetter(char character) {
    return character == 'E' || character == 'e' || character == 'D' || character == 'd';
}

class NumberScanner {
public:
    NumberScanner(std::string_view text, ScanRules rules) : text_(text), rules_(rules) {}

    ScannedNumber scan() {
        skip();
        if (at('+') || at('-')) {
            number_.negative = text_[index_] == '-';
            next();
        }
        scanMantissa();
        if (number_.hasDigits) {
            scanExponent();
        }
        number_.end = index_;
        return number_;
    }

private:
    bool atEnd() const { return index_ >= text_.size(); }
    bool at(char character) const { return !atEnd() && text_[index_] == character; }
    bool atDigit() const { return !atEnd() && isDecimalDigit(text_[index_]); }

    void skip() {
        while (rules_.skipsBlanks && !atEnd() && isSkipped(text_[index_])) {
            ++index_;
        }
    }

    void next() {
        ++index_;
        skip();
    }

    void scanMantissa() {
        bool nonZeroSeen = false;
        bool pointSeen = false;
        std::int64_t fractionDigits = 0;
        while (!atEnd()) {
            const char character = text_[index_];
            if (isDecimalDigit(character)) {
                number_.text += character;
                number_.hasDigits = true;
                if (pointSeen) {
                    fractionDigits = std::min(fractionDigits + 1, kPowerCap);
                    if (!nonZeroSeen && character != '0') {
                        nonZeroSeen = true;
                        number_.leadingPower = -fractionDigits;
                    }
                } else if (nonZeroSeen) {
                    number_.leadingPower = std::min(number_.leadingPower + 1, kPowerCap);
                } else if (character != '0') {
                    nonZeroSeen = true;
                }
            } else if (!pointSeen &&
                       (character == '.' || (rules_.commaIsPoint && character == ','))) {
                number_.text += '.';
                pointSeen = true;
            } else {
                break;
            }
            next();
        }
    }

    // Taken only when at least one digit follows the letter and its sign.
    void scanExponent() {
        if (atEnd() || !isExponentLetter(text_[index_]) ||
            (!rules_.dExponent && (at('D') || at('d')))) {
            return;
        }
        const std::size_t letterIndex = index_;
        next();
        bool negative = false;
        if (at('+') || at('-')) {
            negative = text_[index_] == '-';
            next();
        }
        if (!atDigit()) {
            index_ = letterIndex;
            return;
        }
        number_.text += negative ? "e-" : "e";
        std::int64_t exponent = 0;
        while (atDigit()) {
            number_.text += text_[index_];
            exponent = std::min(exponent * 10 + (text_[index_] - '0'), kPowerCap);
            next();
        }
        number_.exponent = negative ? -exponent : exponent;
    }

    std::string_view text_;
    ScanRules rules_;
    std::size_t index_ = 0;
    ScannedNumber number_;
};

// std::from_chars leaves its result untouched when the number is out of range; it is then
// either beyond the largest double or below the smallest.
double valueOf(const ScannedNumber& number) {
    double magnitude = 0;
    const char* first = number.text.data();
    const auto [end, error] = std::from_chars(first, first + number.text.size(), magnitude);
    if (error == std::errc::result_out_of_range) {
        magnitude = number.leadingPower + number.exponent > 0
                        ? std::numeric_limits<double>::infinity()
                        : 0.0;
    }
    return number.negative ? -magnitude : magnitude;
}

int radixDigit(char character) {
    if (isDecimalDigit(character)) {
        return character - '0';
    }
    if (character >= 'A' && character <= 'F') {
        return character - 'A' + 10;
    }
    if (character >= 'a' && character <= 'f') {
        return character - 'a' + 10;
    }
    return -1;
}

int radixOf(char letter) {
    if (letter == 'H' || letter == 'h') {
        return 16;
    }
    if (letter == 'O' || letter == 'o') {
        return 8;
    }
    return 0;
}

std::size_t skippedFrom(std::string_view text, std::size_t index) {
    while (index < text.size() && isSkipped(text[index])) {
        ++index;
    }
    return index;
}

std::string_view withoutSurroundingWhitespace(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Powers of ten that a double holds exactly, as many as the digits of a short plain number.
constexpr std::array<double, 16> kExactPowersOfTen = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                      1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The value of a plain number: its sign, integer digits and decimals. At most 15 digits, taken
// as one integer, stay below 2^53, so that it and the power of ten of the decimals are exact and
// one division rounds the value as std::from_chars does; longer numbers are left to it.
double plainValue(bool negative, std::string_view integerDigits, std::string_view decimals) {
    if (integerDigits.size() + decimals.size() >= kExactPowersOfTen.size()) {
        double magnitude = 0;
        std::from_chars(integerDigits.data(), decimals.data() + decimals.size(), magnitude);
        return negative ? -magnitude : magnitude;
    }
    std::uint64_t digits = 0;
    for (const std::string_view part : {integerDigits, decimals}) {
        for (const char character : part) {
            digits = digits * 10 + static_cast<std::uint64_t>(character - '0');
        }
    }
    const double magnitude = static_cast<double>(digits) / kExactPowersOfTen[decimals.size()];
    return negative ? -magnitude : magnitude;
}

// Whether a number that ends at the index is over: after any blanks, no character follows that
// could continue it.
bool numberEndsAt(std::string_view text, std::size_t end) {
    while (end < text.size() && isSkipped(text[end])) {
        ++end;
    }
    if (end == text.size()) {
        return true;
    }
    const char following = text[end];
    return !isDecimalDigit(following) && following != '.' && !isExponentLetter(following);
}

// Most numbers are written plainly: an optional "-", digits, perhaps a point with digits after
// it, ended by the end of the text or by a character that (after any blanks) cannot continue
// a number. Such a number is read straight from the text. Anything else, and numbers long
// enough to leave the range of a double, are left to the scanner.
std::optional<double> plainNumber(std::string_view text) {
    constexpr std::size_t kLongestPlain = 20;
    const bool negative = !text.empty() && text.front() == '-';
    const std::size_t start = negative ? 1 : 0;
    const std::size_t integerEnd = digitsEnd(text, start);
    std::size_t end = integerEnd;
    if (end < text.size() && text[end] == '.') {
        end = digitsEnd(text, end + 1);
        if (end == integerEnd + 1) {
            return std::nullopt;
        }
    }
    if (integerEnd == start || end > kLongestPlain || !numberEndsAt(text, end)) {
        return std::nullopt;
    }
    const std::size_t fractionStart = std::min(integerEnd + 1, end);
    return plainValue(negative, text.substr(start, integerEnd - start),
                      text.substr(fractionStart, end - fractionStart));
}

} // namespace

double readNumber(std::string_view text) {
    if (const std::optional<double> plain = plainNumber(text)) {
        return *plain;
    }
    const ScannedNumber number = NumberScanner(text, kLeadingNumber).scan();
    return number.hasDigits ? valueOf(number) : 0.0;
}

double readNumberWithRadix(std::string_view text) {
    std::size_t index = skippedFrom(text, 0);
    if (index + 1 >= text.size() || text[index] != '&') {
        return readNumber(text);
    }
    const int radix = radixOf(text[index + 1]);
    if (radix == 0) {
        return readNumber(text);
    }
    double value = 0;
    for (index = skippedFrom(text, index + 2); index < text.size();
         index = skippedFrom(text, index + 1)) {
        const int digit = radixDigit(text[index]);
        if (digit < 0 || digit >= radix) {
            break;
        }
        value = value * radix + digit;
    }
    return value;
}

std::optional<double> parseRecordNumber(std::string_view text) {
    const ScannedNumber number = NumberScanner(text, kRecordNumber).scan();
    if (!number.hasDigits || number.end != text.size()) {
        return std::nullopt;
    }
    double magnitude = 0;
    const char* first = number.text.data();
    if (std::from_chars(first, first + number.text.size(), magnitude).ec != std::errc{}) {
        return std::nullopt;
    }
    return number.negative ? -magnitude : magnitude;
}

std::optional<double> parseFactorText(std::string_view text) {
    const std::string_view trimmed = withoutSurroundingWhitespace(text);
    const ScannedNumber number = NumberScanner(trimmed, kWholeFactor).scan();
    if (!number.hasDigits || number.end != trimmed.size()) {
        return std::nullopt;
    }
    const double value = valueOf(number);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace vemlik
