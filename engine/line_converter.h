#pragma once

#include "operand_state.h"
#include "unit_table.h"
#include "unit_text_cache.h"
#include "vemlik/message_sink.h"

#include <string>
#include <string_view>

namespace vemlik {

// What a line converted to.
struct LineResult {
    float firstValue = 0; // of the first item; after an empty line, the one the lines before left
    ErrorFlag errorFlag = ErrorFlag::None; // the last fault of any item
    Conversion conversion;                 // of the last item
};

// Converts the items of lines with the units of one table. What it keeps from line to line
// only saves work: the values of the unit texts met, and room for a line's text.
class LineConverter {
public:
    explicit LineConverter(const UnitTable& units) : unitTexts_(units) {}

    // Converts the items of a line. Leaves the operand texts and the conversion of the last item
    // and the values of the items in the shared operand state.
    LineResult convert(OperandState& operands, MessageSink& messages, std::string_view line);

private:
    UnitTextCache unitTexts_;
    std::string lineText_;
};

// The texts of a line are kept until the next line replaces them. Those of a long line are given
// back, so that two long lines never hold memory at the same time.
inline void releaseLongText(std::string& text) {
    constexpr std::size_t kLong = std::size_t{1} << 20;
    if (text.capacity() > kLong) {
        std::string().swap(text);
    }
}

} // namespace vemlik
