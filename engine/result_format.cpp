#include "result_format.h"

#include "dimension_code.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace vemlik {

namespace {

enum class Notation { Fixed, Scientific };

struct MagnitudeClass {
    Notation notation;
    int decimals;
    bool exponentAlwaysSigned;
};

struct MagnitudeBound {
    double above;
    MagnitudeClass form;
};

// Tried from the top; each threshold is the double nearest to the decimal written.
constexpr std::array<MagnitudeBound, 6> kMagnitudeBounds = {{
    {9999.0, {Notation::Scientific, 4, true}},
    {99.99, {Notation::Fixed, 2, false}},
    {9.999, {Notation::Fixed, 3, false}},
    {0.9999, {Notation::Fixed, 4, false}},
    {0.09999, {Notation::Fixed, 5, false}},
    {0.009999, {Notation::Fixed, 6, false}},
}};

MagnitudeClass magnitudeClass(double magnitude) {
    for (const MagnitudeBound& bound : kMagnitudeBounds) {
        if (magnitude > bound.above) {
            return bound.form;
        }
    }
    return {Notation::Scientific, 4, false};
}

// A non-negative value as significant decimal digits d0 d1 d2 ... meaning d0.d1d2... × 10^exponent.
struct DecimalDigits {
    std::array<char, 24> digits{};
    int count = 0;
    int exponent = 0;
};

// Seven significant digits as one number from 1 000 000 to 9 999 999: they stand for
// digits × 10^(exponent - 6).
struct SevenDigits {
    std::uint32_t digits;
    int exponent;
};

constexpr std::array<std::uint32_t, 8> kIntegerPowersOfTen = {
    1, 10, 100, 1'000, 10'000, 100'000, 1'000'000, 10'000'000};

// Seven significant digits of a single-precision value from 0.001 up to 10^7, the usual size
// of a result, without the general conversion. Scaled by 10^(6 - exponent), at most 10^9, such
// a value is still exact in double precision (24 bits of the value times at most 5^9), so
// rounding the product to an integer, ties to even, gives exactly the digits that std::to_chars
// gives. Nothing for any other value.
std::optional<SevenDigits> sevenDigitsOfSingle(double magnitude) {
    constexpr int kLowestExponent = -3;
    static constexpr std::array<double, 11> kPowersOfTen = {1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2,
                                                            1e3,  1e4,  1e5,  1e6, 1e7};
    static constexpr std::array<double, 10> kScales = {1e0, 1e1, 1e2, 1e3, 1e4,
                                                       1e5, 1e6, 1e7, 1e8, 1e9};
    if (!(magnitude >= kPowersOfTen.front()) || magnitude >= kPowersOfTen.back() ||
        static_cast<double>(static_cast<float>(magnitude)) != magnitude) {
        return std::nullopt;
    }
    std::size_t index = 0;
    while (magnitude >= kPowersOfTen[index + 1]) {
        ++index;
    }
    SevenDigits seven{0, kLowestExponent + static_cast<int>(index)};
    const double scaled = magnitude * kScales[static_cast<std::size_t>(6 - seven.exponent)];
    seven.digits = static_cast<std::uint32_t>(std::nearbyint(scaled));
    if (seven.digits == kIntegerPowersOfTen[7]) {
        seven.digits = kIntegerPowersOfTen[6];
        ++seven.exponent;
    }
    return seven;
}

DecimalDigits decimalOf(SevenDigits seven) {
    DecimalDigits decimal;
    decimal.exponent = seven.exponent;
    decimal.count = 7;
    for (int position = decimal.count - 1; position >= 0; --position) {
        decimal.digits[static_cast<std::size_t>(position)] =
            static_cast<char>('0' + seven.digits % 10);
        seven.digits /= 10;
    }
    return decimal;
}

DecimalDigits significantDigits(double magnitude, int count) {
    if (count == 7) {
        if (const std::optional<SevenDigits> seven = sevenDigitsOfSingle(magnitude)) {
            return decimalOf(*seven);
        }
    }
    std::array<char, 48> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                       std::chars_format::scientific, count - 1);
    DecimalDigits decimal;
    const char* character = buffer.data();
    for (; *character != 'e'; ++character) {
        if (*character != '.') {
            decimal.digits[static_cast<std::size_t>(decimal.count++)] = *character;
        }
    }
    ++character;
    if (*character == '+') {
        ++character;
    }
    std::from_chars(character, written.ptr, decimal.exponent);
    return decimal;
}

// Digits of a result, built in place: the magnitude classes keep at most seven, a carry one more.
struct RoundedDigits {
    std::array<char, 32> digits{};
    std::size_t size = 0;

    std::string_view view(std::size_t from = 0) const {
        return std::string_view(digits.data() + from, size - from);
    }
};

// The first `kept` digits (zeros past the last one), rounded half away from zero by the digit
// after them; a carry may add a leading "1". With nothing kept, the result is "0" or "1".
RoundedDigits roundedDigits(const DecimalDigits& decimal, int kept) {
    RoundedDigits rounded;
    const int count = std::min(kept, static_cast<int>(rounded.digits.size()) - 1);
    for (int index = 0; index < count; ++index) {
        rounded.digits[rounded.size++] =
            index < decimal.count ? decimal.digits[static_cast<std::size_t>(index)] : '0';
    }
    const bool roundsUp =
        kept >= 0 && kept < decimal.count && decimal.digits[static_cast<std::size_t>(kept)] >= '5';
    if (roundsUp) {
        std::size_t index = rounded.size;
        while (index > 0 && rounded.digits[index - 1] == '9') {
            rounded.digits[--index] = '0';
        }
        if (index == 0) {
            std::copy_backward(rounded.digits.begin(),
                               rounded.digits.begin() + static_cast<std::ptrdiff_t>(rounded.size),
                               rounded.digits.begin() + static_cast<std::ptrdiff_t>(rounded.size) +
                                   1);
            rounded.digits[0] = '1';
            ++rounded.size;
        } else {
            ++rounded.digits[index - 1];
        }
    }
    if (rounded.size == 0) {
        rounded.digits[rounded.size++] = '0';
    }
    return rounded;
}

void appendFixed(std::string& text, const DecimalDigits& decimal, int decimals,
                 std::string_view decimalSeparator) {
    const RoundedDigits digits = roundedDigits(decimal, decimal.exponent + 1 + decimals);
    const auto fractionSize = static_cast<std::size_t>(decimals);
    if (digits.size <= fractionSize) {
        // A magnitude below 1: "0", the separator, then zeros up to the first digit.
        text += '0';
        text += decimalSeparator;
        text.append(fractionSize - digits.size, '0');
        text += digits.view();
        return;
    }
    const std::size_t integerSize = digits.size - fractionSize;
    text += digits.view().substr(0, integerSize);
    text += decimalSeparator;
    text += digits.view(integerSize);
}

// The fixed forms of a single's seven digits, in integers, as appendFixed writes them: rounded
// half away from zero to the decimals shown, which always leaves out at least one of them.
void appendFixedOfSeven(std::string& text, SevenDigits seven, int decimals,
                        std::string_view decimalSeparator) {
    const int dropped = 6 - seven.exponent - decimals;
    assert(dropped >= 0);
    const std::uint32_t divisor = kIntegerPowersOfTen[static_cast<std::size_t>(dropped)];
    std::uint32_t shown = (seven.digits + divisor / 2) / divisor;
    // The digits of the rounded number, with zeros in front up to one before the separator.
    const auto fractionSize = static_cast<std::size_t>(decimals);
    std::array<char, 16> digits{};
    std::size_t start = digits.size();
    do {
        digits[--start] = static_cast<char>('0' + shown % 10);
        shown /= 10;
    } while (shown != 0 || digits.size() - start <= fractionSize);
    const std::size_t integerEnd = digits.size() - fractionSize;
    text.append(digits.data() + start, integerEnd - start);
    text += decimalSeparator;
    text.append(digits.data() + integerEnd, fractionSize);
}

// One digit before the separator; a carry (9,99995 to 10,0000) moves into the exponent.
void appendScientific(std::string& text, const DecimalDigits& decimal, int decimals,
                      bool exponentAlwaysSigned, std::string_view decimalSeparator) {
    const auto mantissaSize = static_cast<std::size_t>(decimals + 1);
    RoundedDigits mantissa = roundedDigits(decimal, decimals + 1);
    int exponent = decimal.exponent;
    if (mantissa.size > mantissaSize) {
        --mantissa.size;
        ++exponent;
    }
    text += mantissa.digits[0];
    text += decimalSeparator;
    text += mantissa.view(1);
    text += 'E';
    if (exponent < 0) {
        text += '-';
    } else if (exponentAlwaysSigned) {
        text += '+';
    }
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) {
        text += '0';
    }
    std::array<char, 12> exponentDigits{};
    const auto end = std::to_chars(exponentDigits.begin(), exponentDigits.end(), magnitude).ptr;
    text.append(exponentDigits.data(), end);
}

struct DerivedUnit {
    std::int64_t code;
    const char* name;
};

constexpr std::array<DerivedUnit, 7> kDerivedUnits = {{
    {516, "W"},
    {523, "Pa"},
    {525, "N"},
    {526, "J"},
    {533, "Pas"},
    {24516, "Ohm"},
    {34516, "V"},
}};

// Positive exponents first, then every negative one after its own "/", highest position first.
std::string spelledOutUnit(const DimensionVector& vector) {
    std::string text;
    for (std::size_t position = vector.size(); position-- > 0;) {
        const int exponent = vector[position];
        if (exponent > 0) {
            text += kBaseSymbols[position];
            if (exponent > 1) {
                text += std::to_string(exponent);
            }
            text += '*';
        }
    }
    if (text.size() > 1) {
        text.pop_back();
    }
    bool denominatorWritten = false;
    for (std::size_t position = vector.size(); position-- > 0;) {
        const int exponent = vector[position];
        if (exponent < 0) {
            if (!denominatorWritten) {
                text += '/';
                denominatorWritten = true;
            }
            text += kBaseSymbols[position];
            if (exponent < -1) {
                text += std::to_string(-exponent);
            }
            text += '/';
        }
    }
    if (denominatorWritten && text.size() > 1) {
        text.pop_back();
    }
    return text;
}

} // namespace

void appendValue(std::string& text, double value, ValuePrecision precision,
                 std::string_view decimalSeparator) {
    if (!std::isfinite(value)) {
        text += std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
        return;
    }
    const double magnitude = std::fabs(value);
    const MagnitudeClass form = magnitudeClass(magnitude);
    if (value < 0) {
        text += '-';
    }
    if (form.notation == Notation::Fixed && precision == ValuePrecision::Single) {
        if (const std::optional<SevenDigits> seven = sevenDigitsOfSingle(magnitude)) {
            appendFixedOfSeven(text, *seven, form.decimals, decimalSeparator);
            return;
        }
    }
    // Rounded twice: to the significant digits of its precision, then that decimal (not the
    // binary value) to the digits shown, so 12.3455 shows as 12,346.
    const DecimalDigits decimal =
        significantDigits(magnitude, precision == ValuePrecision::Single ? 7 : 15);
    if (form.notation == Notation::Fixed) {
        appendFixed(text, decimal, form.decimals, decimalSeparator);
    } else {
        appendScientific(text, decimal, form.decimals, form.exponentAlwaysSigned, decimalSeparator);
    }
}

std::string formatValue(double value, ValuePrecision precision, std::string_view decimalSeparator) {
    std::string text;
    appendValue(text, value, precision, decimalSeparator);
    return text;
}

std::string resultUnitText(const DimensionVector& vector) {
    // Codes of absurd exponents need more than 32 bits and then match no name.
    const std::int64_t code = encodeDimensionCode(vector);
    for (const DerivedUnit& unit : kDerivedUnits) {
        if (unit.code == code) {
            return unit.name;
        }
    }
    return spelledOutUnit(vector);
}

} // namespace vemlik
