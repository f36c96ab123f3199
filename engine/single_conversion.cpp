#include "single_conversion.h"

#include "line_converter.h"
#include "result_format.h"

namespace vemlik {

std::optional<std::string> convertSingleLine(EngineState& state, MessageSink& messages,
                                             std::string_view line,
                                             std::string_view decimalSeparator) {
    state.inputLine.assign(line);
    const float value = convertLine(state, messages);
    if (state.errorFlag > 0) {
        return std::nullopt;
    }
    std::string text = formatValue(value, ValuePrecision::Single, decimalSeparator);
    text += ' ';
    text += state.firstOperandText.empty() ? resultUnitText(state) : state.firstOperandText;
    return text;
}

} // namespace vemlik
