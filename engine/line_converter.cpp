#include "line_converter.h"

#include "dimension_code.h"
#include "number_reader.h"
#include "text_scanning.h"
#include "vemlik/text_encoding.h"

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
// The missing-blank message quotes no more of the line: a long line of such numbers would be
// quoted again at each of them.
constexpr std::size_t kQuotedCharacters = 80;

// What each token adds to the token mask of its item. The mask is a sum, not a set of bits:
// an item whose tokens add up to 7 has its dimensions compared, and besides a target, a number
// and a source that is also a target and three numbers (m 5 6 7), compared against no source.
constexpr std::int64_t kTargetToken = 1;
constexpr std::int64_t kNumberToken = 2;
constexpr std::int64_t kSourceToken = 4;
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

// The line with its decimal commas as points and its parentheses as blanks, which only separate.
void copyWithSeparatorsReplaced(std::string_view line, std::string& replaced) {
    replaced.resize(line.size());
    std::transform(line.begin(), line.end(), replaced.begin(), [](char character) {
        switch (character) {
        case '(':
        case ')':
            return ' ';
        case ',':
            return '.';
        default:
            return character;
        }
    });
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

std::string missingBlankMessage(std::string_view restOfLine) {
    std::string message(kMissingBlankPrompt);
    const std::string_view quoted = firstCharacters(restOfLine, kQuotedCharacters);
    message += quoted;
    if (quoted.size() < restOfLine.size()) {
        message += "…";
    }
    return message;
}

// Reads the tokens of the item at the front of the remaining line and drops them from it.
Item readItem(OperandState& operands, MessageSink& messages, std::string_view& remaining) {
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
                messages.showMessage(missingBlankMessage(remaining));
            }
        } else if (item.tokenMask == 0) {
            operands.targetText.assign(remaining.substr(0, tokenEnd));
            item.tokenMask += kTargetToken;
        } else {
            operands.sourceText.assign(remaining.substr(0, tokenEnd));
            item.tokenMask += kSourceToken;
        }
        remaining = remaining.substr(std::min(tokenEnd + 1, remaining.size()));
        if (separator != ' ') {
            return item;
        }
    }
}

// An item without units leaves its value as it is.
constexpr Conversion kUnconverted{{1.0, 0.0, {}}, {1.0, 0.0, {}}};

// What one operand text evaluates to; the offset is 0 except for the scales.
struct EvaluatedOperand {
    Operand operand;
    bool withinRange = true; // false when the unit's factor or exponents left their range
    bool unknownName = false;
};

EvaluatedOperand evaluateOperand(UnitTextCache& unitTexts, MessageSink& messages,
                                 std::string_view text, bool isSource) {
    EvaluatedOperand evaluated;
    if (const std::optional<TemperatureScale> scale = temperatureScale(text)) {
        decodeDimensionCode(kKelvinCode, evaluated.operand.vector);
        evaluated.operand.factor = scale->factor;
        evaluated.operand.offset = isSource ? scale->sourceOffset : scale->targetOffset;
        return evaluated;
    }
    const UnitExpressionValue value = unitTexts.evaluate(text, messages);
    evaluated.operand = {value.factor, 0.0, value.vector};
    evaluated.withinRange = value.withinRange;
    evaluated.unknownName = value.unknownName;
    return evaluated;
}

// Nothing when a unit is out of range: no value converted with it would be right. The source
// is evaluated first, so that its unknown names are reported first.
std::optional<double> convertValue(UnitTextCache& unitTexts, const OperandState& operands,
                                   MessageSink& messages, double value, LineResult& result) {
    const EvaluatedOperand source = evaluateOperand(unitTexts, messages, operands.sourceText, true);
    const EvaluatedOperand target =
        evaluateOperand(unitTexts, messages, operands.targetText, false);
    result.conversion = {target.operand, source.operand};
    if (source.unknownName || target.unknownName) {
        result.errorFlag = ErrorFlag::UnknownUnit;
    }
    if (!source.withinRange || !target.withinRange) {
        return std::nullopt;
    }
    return applyPair(result.conversion.pair(), value);
}

// Zero, or a normal single: a smaller value would lose its digits or become 0 without a word.
bool fitsSinglePrecision(double value) {
    return value == 0 ||
           (std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max() &&
            std::isnormal(static_cast<float>(value)));
}

// Entries past the fifth have no place in the result list; their items still count.
void storeResult(OperandState& operands, MessageSink& messages, std::size_t itemNumber,
                 std::optional<double> value, LineResult& result) {
    float stored = 0.0F;
    if (value && fitsSinglePrecision(*value)) {
        stored = static_cast<float>(*value);
    } else {
        messages.showMessage(kOutOfRangeMessage);
        result.errorFlag = ErrorFlag::ResultOutOfRange;
    }
    if (itemNumber <= operands.resultList.size()) {
        operands.resultList[itemNumber - 1] = stored;
    }
}

std::string exponentText(std::int16_t exponent) {
    std::string text = exponent < 0 ? "" : " ";
    text += std::to_string(exponent);
    return text;
}

void checkDimensions(MessageSink& messages, LineResult& result) {
    const Conversion& conversion = result.conversion;
    for (std::size_t position = 0; position < kBaseSymbols.size(); ++position) {
        const std::int16_t target = conversion.target.vector[position];
        const std::int16_t source = conversion.source.vector[position];
        if (target != source) {
            result.errorFlag = ErrorFlag::InconsistentUnits;
            std::string prompt(kInconsistentUnitsPrompt);
            prompt += kBaseSymbols[position];
            prompt += " : ";
            prompt += exponentText(target);
            prompt += ' ';
            prompt += exponentText(source);
            messages.showMessage(prompt);
            return;
        }
    }
}

void evaluateItem(UnitTextCache& unitTexts, OperandState& operands, MessageSink& messages,
                  const Item& item, double value, std::size_t itemNumber, LineResult& result) {
    result.conversion = kUnconverted;
    const std::optional<double> converted =
        item.tokenMask == 0 ? value : convertValue(unitTexts, operands, messages, value, result);
    storeResult(operands, messages, itemNumber, converted, result);
    if (item.tokenMask == kCompleteItem) {
        checkDimensions(messages, result);
    }
}

} // namespace

LineResult LineConverter::convert(OperandState& operands, MessageSink& messages,
                                  std::string_view line) {
    operands.targetText.clear();
    operands.sourceText.clear();
    copyWithSeparatorsReplaced(line, lineText_);
    // Blanks after the last token end the line like its end, so they never make an item.
    std::string_view remaining = withoutSurroundingBlanks(lineText_);
    LineResult result;
    result.conversion = operands.conversion;
    double value = 0.0;
    std::size_t itemNumber = 0;
    while (!remaining.empty()) {
        const Item item = readItem(operands, messages, remaining);
        if (item.lastNumber) {
            value = readNumber(*item.lastNumber);
        }
        evaluateItem(unitTexts_, operands, messages, item, value, ++itemNumber, result);
    }
    operands.conversion = result.conversion;
    operands.errorFlag = result.errorFlag;
    result.firstValue = operands.resultList.front();
    releaseLongText(lineText_);
    return result;
}

} // namespace vemlik
