#include "block_conversion.h"

#include "number_reader.h"
#include "operand_state.h"
#include "result_format.h"

#include <cmath>

namespace vemlik {

std::string unitPairLine(std::string_view targetText, std::string_view sourceText) {
    std::string line(targetText);
    line += " 1 ";
    line += sourceText;
    return line;
}

std::optional<BlockRow> convertBlockValue(const UnitPair& pair, std::string_view valueText,
                                          std::string_view decimalSeparator,
                                          MessageSink& messages) {
    BlockRow row{std::string(valueText), {}};
    if (const std::size_t comma = row.valueText.find(','); comma != std::string::npos) {
        row.valueText[comma] = '.';
    }
    const double converted = applyPair(pair, readNumberWithRadix(row.valueText));
    if (!std::isfinite(converted)) {
        messages.showMessage(kOutOfRangeMessage);
        return std::nullopt;
    }
    row.resultText = formatValue(converted, ValuePrecision::Double, decimalSeparator);
    return row;
}

std::string BlockRow::tableLine() const {
    return valueText + '\t' + resultText + '\n';
}

} // namespace vemlik
