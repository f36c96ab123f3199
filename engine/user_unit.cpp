#include "user_unit.h"

#include "text_scanning.h"
#include "user_conversion_file.h"
#include "vemlik/text_encoding.h"

#include <algorithm>
#include <cmath>

namespace vemlik {

namespace {

// Exponents that a dimension code carries unchanged.
constexpr int kLowestExponent = -3;
constexpr int kHighestExponent = 5;
// A smaller factor would make every value in the unit 0.
constexpr double kSmallestFactor = 1e-10;

constexpr std::string_view kFaultyEntry = "Pro chybné zadání nebylo zapsáno, zadejte znovu!";
constexpr std::string_view kUnusableName =
    "Zkratka nesmí obsahovat mezeru ani znaky , \" * / ; : ( ), nesmí začínat číslicí, "
    "znaménkem nebo tečkou a nesmí končit číslicí!";
constexpr std::string_view kExponentOutOfRange =
    "Exponent rozměru musí být v rozsahu -3 až +5, převod nebyl zapsán!";
constexpr std::string_view kTableFull = "Tabulka jednotek je plná, další převod nelze přidat!";

// Characters that split a conversion line or a unit expression.
bool isSeparator(char character) {
    return std::string_view("\"*/;:()").find(character) != std::string_view::npos;
}

bool exponentsFitCode(const DimensionVector& vector) {
    return std::all_of(vector.begin(), vector.end(), [](std::int16_t exponent) {
        return exponent >= kLowestExponent && exponent <= kHighestExponent;
    });
}

} // namespace

// The expression parser reads a trailing digit as an exponent, and a leading digit, sign or
// point starts a number.
bool isUsableAbbreviation(std::string_view abbreviation) {
    if (!isStorableAbbreviation(abbreviation) || holdsWhiteSpace(abbreviation) ||
        std::any_of(abbreviation.begin(), abbreviation.end(), isSeparator)) {
        return false;
    }
    const char first = abbreviation.front();
    return !isDecimalDigit(first) && first != '+' && first != '-' && first != '.' &&
           !isDecimalDigit(abbreviation.back());
}

std::optional<std::string_view> userUnitRefusal(const UserUnitEntry& entry,
                                                const UnitTable& units) {
    if (std::abs(entry.dimension.factor) <= kSmallestFactor || entry.dimensionText.empty() ||
        entry.abbreviation.empty() || entry.dimensionFault == ErrorFlag::UnknownUnit) {
        return kFaultyEntry;
    }
    if (!isUsableAbbreviation(entry.abbreviation)) {
        return kUnusableName;
    }
    if (!exponentsFitCode(entry.dimension.vector)) {
        return kExponentOutOfRange;
    }
    if (units.isFull()) {
        return kTableFull;
    }
    return std::nullopt;
}

} // namespace vemlik
