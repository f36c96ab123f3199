#include "line_converter.h"

#include "dimension_code.h"
#include "number_reader.h"
#include "text_scanning.h"
#include "unit_expression.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace vemlik {

namespace {

constexpr std::string_view kMissingBlankPrompt = "Chybí mezera za číslem!  :";
constexpr std::string_view kInconsistentUnitsPrompt = "Nekonzistentni jednotky!   ";
constexpr std::string_view kOutOfRangePrompt = "Výsledek je mimo rozsah!";

// What each token adds to the token mask of its item. The mask is a sum: only an item of
// exactly one first operand, one number and one second operand has its dimensions compared.
constexpr std::int64_t kFirstOperandToken = 1;
constexpr std::int64_t kNumberToken = 2;
constexpr std::int64_t kSecondOperandToken = 4;
constexpr std::int64_t kCompleteItem = 7;

constexpr std::int32_t kKelvinCode = 5444;

// A one-letter unit C, F or R on its own is a temperature scale with a zero point: the value is
// brought into kelvin by the source scale and out of it by the target scale.
struct TemperatureScale {
    double factor;
    double sourceOffset;
    double targetOffset;
};

std::optional<TemperatureScale> temperatureScale(std::string_view operandText) {
    if (operandText.size() != 1) {
        return std::nullopt;
    }
    const double degreeFahrenheit = 1.0 / 1.8;
    switch (operandText.front()) {
    case 'C':
    case 'c':
        return TemperatureScale{1.0, 273.15, -273.15};
    case 'F':
    case 'f':
        return TemperatureScale{degreeFahrenheit, 255.37222, -459.67};
    case 'R':
    case 'r':
        return TemperatureScale{degreeFahrenheit, 0.0, 0.0};
    default:
        return std::nullopt;
    }
}

// Decimal commas become points; parentheses only separate.
void replaceSeparators(std::string& line) {
    for (char& character : line) {
        if (character == '(' || character == ')') {
            character = ' ';
        } else if (character == ',') {
            character = '.';
        }
    }
}

bool startsNumber(char character) {
    return isDecimalDigit(character) || character == '-' || character == '+' || character == '.';
}

// The tokens of one item. Only the last number of an item decides its value, so the number is
// read once, when the item is complete, from where its token began to the end of the line.
struct Item {
    std::int64_t tokenMask = 0;
    std::optional<std::string_view> lastNumber;
};

// Reads the tokens of the item at the front of the remaining line and drops them from it.
Item readItem(EngineState& state, MessageSink& messages, std::string_view& remaining) {
    Item item;
    for (;;) {
        remaining = withoutLeadingBlanks(remaining);
        if (remaining.empty()) {
            return item;
        }
        const std::size_t separatorIndex = findFirst(remaining, [](char character) {
            return character == ' ' || character == ';' || character == ':';
        });
        const std::size_t tokenEnd = std::min(separatorIndex, remaining.size());
        const char separator = separatorIndex == std::string_view::npos ? ';' : remaining[tokenEnd];
        const char first = remaining.front();
        if (first == ';' || first == ':') {
            // An empty token: the item ends here.
        } else if (startsNumber(first)) {
            item.lastNumber = remaining;
            item.tokenMask += kNumberToken;
            if (!isDecimalDigit(remaining[tokenEnd - 1])) {
                std::string prompt(kMissingBlankPrompt);
                prompt += remaining;
                messages.showMessage(prompt);
            }
        } else if (item.tokenMask == 0) {
            state.firstOperandText.assign(remaining.substr(0, tokenEnd));
            item.tokenMask += kFirstOperandToken;
        } else {
            state.secondOperandText.assign(remaining.substr(0, tokenEnd));
            item.tokenMask += kSecondOperandToken;
        }
        remaining = remaining.substr(std::min(tokenEnd + 1, remaining.size()));
        if (separator != ' ') {
            return item;
        }
    }
}

// Factor, offset and vector of one operand text; the offset is 0 except for the scales.
// False when the unit's factor or exponents left their range.
bool evaluateOperand(EngineState& state, MessageSink& messages, const std::string& text,
                     bool isSource, double& factor, double& offset, DimensionVector& vector) {
    if (const std::optional<TemperatureScale> scale = temperatureScale(text)) {
        decodeDimensionCode(kKelvinCode, vector);
        factor = scale->factor;
        offset = isSource ? scale->sourceOffset : scale->targetOffset;
        return true;
    }
    return parseUnitExpression(state, messages, text, factor, vector);
}

// Nothing when a unit is out of range: no value converted with it would be right.
std::optional<double> convertValue(EngineState& state, MessageSink& messages, double value) {
    const bool sourceWithinRange =
        evaluateOperand(state, messages, state.secondOperandText, true, state.secondOperandFactor,
                        state.secondOperandOffset, state.secondOperandVector);
    const double inKelvinOrBaseUnits =
        value * state.secondOperandFactor + state.secondOperandOffset;
    const bool targetWithinRange =
        evaluateOperand(state, messages, state.firstOperandText, false, state.firstOperandFactor,
                        state.firstOperandOffset, state.firstOperandVector);
    if (!sourceWithinRange || !targetWithinRange) {
        return std::nullopt;
    }
    return inKelvinOrBaseUnits / state.firstOperandFactor + state.firstOperandOffset;
}

bool fitsSinglePrecision(double value) {
    return std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max();
}

// Entries past the fifth have no place in the result list; their items still count.
void storeResult(EngineState& state, MessageSink& messages, std::size_t itemNumber,
                 std::optional<double> result) {
    float stored = 0.0F;
    if (result && fitsSinglePrecision(*result)) {
        stored = static_cast<float>(*result);
    } else {
        messages.showMessage(kOutOfRangePrompt);
        state.errorFlag = kResultOutOfRange;
    }
    if (itemNumber < state.resultList.size()) {
        state.resultList[itemNumber] = stored;
    }
}

std::string exponentText(std::int16_t exponent) {
    std::string text = exponent < 0 ? "" : " ";
    text += std::to_string(exponent);
    return text;
}

void checkDimensions(EngineState& state, MessageSink& messages) {
    for (std::size_t position = 0; position < state.firstOperandVector.size(); ++position) {
        const std::int16_t target = state.firstOperandVector[position];
        const std::int16_t source = state.secondOperandVector[position];
        if (target != source) {
            state.errorFlag = kInconsistentUnits;
            std::string prompt(kInconsistentUnitsPrompt);
            prompt += state.baseSymbols[position];
            prompt += " : ";
            prompt += exponentText(target);
            prompt += ' ';
            prompt += exponentText(source);
            messages.showMessage(prompt);
            return;
        }
    }
}

void evaluateItem(EngineState& state, MessageSink& messages, const Item& item, double value,
                  std::size_t itemNumber) {
    state.firstOperandFactor = 1.0;
    state.secondOperandFactor = 1.0;
    state.firstOperandOffset = 0.0;
    state.secondOperandOffset = 0.0;
    state.firstOperandVector = {};
    state.secondOperandVector = {};
    const std::optional<double> result =
        item.tokenMask == 0 ? value : convertValue(state, messages, value);
    storeResult(state, messages, itemNumber, result);
    if (item.tokenMask == kCompleteItem) {
        checkDimensions(state, messages);
    }
}

} // namespace

float convertLine(EngineState& state, MessageSink& messages) {
    state.errorFlag = kNoError;
    state.firstOperandText.clear();
    state.secondOperandText.clear();
    replaceSeparators(state.inputLine);
    // Blanks after the last token end the line like its end, so they never make an item.
    std::string_view remaining = withoutTrailingBlanks(withoutLeadingBlanks(state.inputLine));
    double value = 0.0;
    std::size_t itemNumber = 0;
    while (!remaining.empty()) {
        const Item item = readItem(state, messages, remaining);
        if (item.lastNumber) {
            value = readNumber(*item.lastNumber);
        }
        evaluateItem(state, messages, item, value, ++itemNumber);
    }
    state.inputLine.clear();
    return state.resultList[1];
}

} // namespace vemlik
