#include "unit_expression.h"

#include "dimension_code.h"
#include "text_scanning.h"
#include "unit_table.h"

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

// The factor's own conversion factor; its exponents are left in the term vector. An unknown
// name counts as 1 with no exponents.
double evaluateFactor(EngineState& state, MessageSink& messages, Factor factor, bool& withinRange) {
    const int row = factor.name.empty() ? 0 : findUnitRow(state, factor.name);
    if (row == 0) {
        std::string prompt(kUnknownUnitPrompt);
        prompt += factor.name;
        messages.showMessage(prompt);
        state.errorFlag = kUnknownUnit;
        state.termVector = {};
        return 1.0;
    }
    const UnitRecord& record = state.rows[static_cast<std::size_t>(row)];
    double conversionFactor = record.factor;
    const int highest = decodeDimensionCode(record.dimensionCode, state.termVector);
    // The exponent raises the whole factor but only the highest position of its dimension.
    if (factor.exponent > 0) {
        conversionFactor = std::pow(record.factor, factor.exponent);
        checkFactorRange(record.factor, 1.0, conversionFactor, withinRange);
        std::int16_t& entry = state.termVector[static_cast<std::size_t>(highest)];
        entry = saturatedExponent(entry + factor.exponent - 1, withinRange);
    }
    return conversionFactor;
}

void combine(char operation, double factor, const DimensionVector& term, double& total,
             DimensionVector& vector, bool& withinRange) {
    const int sign = operation == '*' ? 1 : -1;
    const double combined = operation == '*' ? total * factor : total / factor;
    checkFactorRange(total, factor, combined, withinRange);
    total = combined;
    for (std::size_t position = 0; position < vector.size(); ++position) {
        vector[position] = saturatedExponent(vector[position] + sign * term[position], withinRange);
    }
}

} // namespace

bool parseUnitExpression(EngineState& state, MessageSink& messages, std::string_view expression,
                         double& factor, DimensionVector& vector) {
    bool withinRange = true;
    factor = 1.0;
    vector = {};
    char pendingOperation = '*';
    std::string_view remaining = expression;
    while (!remaining.empty()) {
        remaining = withoutLeadingBlanks(remaining);
        const std::size_t operatorIndex = findFirst(
            remaining, [](char character) { return character == '*' || character == '/'; });
        const std::string_view factorText = remaining.substr(0, operatorIndex);
        const double factorValue =
            evaluateFactor(state, messages, splitExponent(factorText), withinRange);
        combine(pendingOperation, factorValue, state.termVector, factor, vector, withinRange);
        if (operatorIndex == std::string_view::npos) {
            break;
        }
        pendingOperation = remaining[operatorIndex];
        remaining = remaining.substr(operatorIndex + 1);
    }
    return withinRange;
}

} // namespace vemlik
