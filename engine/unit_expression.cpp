#include "unit_expression.h"

#include "dimension_code.h"
#include "text_scanning.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace vemlik {

namespace {

constexpr std::string_view kUnknownUnitPrompt = "Neznamy rozmer!: ";

// Absurdly long expressions could push an exponent past the 16-bit entry; it stops at the edge.
std::int16_t saturatedExponent(int exponent, bool& withinRange) {
    constexpr int lowest = std::numeric_limits<std::int16_t>::min();
    constexpr int highest = std::numeric_limits<std::int16_t>::max();
    const int saturated = std::clamp(exponent, lowest, highest);
    withinRange = withinRange && saturated == exponent;
    return static_cast<std::int16_t>(saturated);
}

bool isRegular(double number) {
    return std::isfinite(number) && number != 0.0;
}

// Finite, non-zero operands that give 0 or infinity have a result beyond double's range; a
// unit whose own factor is 0 is no such case.
void checkFactorRange(double operand, double otherOperand, double result, bool& withinRange) {
    if (isRegular(operand) && isRegular(otherOperand) && !isRegular(result)) {
        withinRange = false;
    }
}

// One factor of an expression: its name and the exponent digit after it (0 when none).
struct Factor {
    std::string_view name;
    int exponent = 0;
};

Factor splitExponent(std::string_view factorText) {
    if (!factorText.empty() && isDecimalDigit(factorText.back())) {
        return {factorText.substr(0, factorText.size() - 1), factorText.back() - '0'};
    }
    return {factorText, 0};
}

// One factor's own conversion factor and exponents. An unknown name counts as 1 with no
// exponents.
struct Term {
    double factor = 1.0;
    DimensionVector vector{};
};

Term evaluateFactor(const UnitTable& units, MessageSink& messages, Factor factor,
                    UnitExpressionValue& value) {
    const int row = factor.name.empty() ? 0 : units.find(factor.name);
    Term term;
    if (row == 0) {
        std::string prompt(kUnknownUnitPrompt);
        prompt += factor.name;
        messages.showMessage(prompt);
        value.unknownName = true;
        return term;
    }
    const UnitRecord& record = units.row(row);
    term.factor = record.factor;
    const int highest = decodeDimensionCode(record.dimensionCode, term.vector);
    // The exponent raises the whole factor but only the highest position of its dimension.
    if (factor.exponent > 0) {
        term.factor = std::pow(record.factor, factor.exponent);
        checkFactorRange(record.factor, 1.0, term.factor, value.withinRange);
        std::int16_t& entry = term.vector[static_cast<std::size_t>(highest)];
        entry = saturatedExponent(entry + factor.exponent - 1, value.withinRange);
    }
    return term;
}

void combine(char operation, const Term& term, UnitExpressionValue& value) {
    const int sign = operation == '*' ? 1 : -1;
    const double combined =
        operation == '*' ? value.factor * term.factor : value.factor / term.factor;
    checkFactorRange(value.factor, term.factor, combined, value.withinRange);
    value.factor = combined;
    for (std::size_t position = 0; position < value.vector.size(); ++position) {
        value.vector[position] = saturatedExponent(
            value.vector[position] + sign * term.vector[position], value.withinRange);
    }
}

} // namespace

UnitExpressionValue parseUnitExpression(const UnitTable& units, MessageSink& messages,
                                        std::string_view expression) {
    UnitExpressionValue value;
    char pendingOperation = '*';
    std::string_view remaining = expression;
    while (!remaining.empty()) {
        remaining = withoutLeadingBlanks(remaining);
        const std::size_t operatorIndex = findFirst(
            remaining, [](char character) { return character == '*' || character == '/'; });
        const Factor factor = splitExponent(remaining.substr(0, operatorIndex));
        combine(pendingOperation, evaluateFactor(units, messages, factor, value), value);
        if (operatorIndex == std::string_view::npos) {
            break;
        }
        pendingOperation = remaining[operatorIndex];
        remaining = remaining.substr(operatorIndex + 1);
    }
    return value;
}

} // namespace vemlik
