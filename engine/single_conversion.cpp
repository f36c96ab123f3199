#include "single_conversion.h"

#include "line_converter.h"
#include "result_format.h"

namespace vemlik {

std::optional<std::string> convertSingleLine(const UnitTable& units, OperandState& operands,
                                             MessageSink& messages, std::string_view line,
                                             std::string_view decimalSeparator) {
    const LineResult result = convertLine(units, operands, messages, line);
    if (result.errorFlag != kNoError) {
        return std::nullopt;
    }
    std::string text = formatValue(result.firstValue, ValuePrecision::Single, decimalSeparator);
    text += ' ';
    text += operands.targetText.empty() ? resultUnitText(operands) : operands.targetText;
    return text;
}

} // namespace vemlik
