#pragma once

#include "operand_state.h"
#include "unit_table.h"
#include "vemlik/message_sink.h"

#include <string_view>

namespace vemlik {

// What a line converted to.
struct LineResult {
    float firstValue = 0; // of the first item; after an empty line, the one the lines before left
    ErrorFlag errorFlag = ErrorFlag::None; // the last fault of any item
    Conversion conversion;                 // of the last item
};

// Converts the items of a line. Leaves the operand texts and the conversion of the last item
// and the values of the items in the shared operand state.
LineResult convertLineItems(const UnitTable& units, OperandState& operands, MessageSink& messages,
                            std::string_view line);

} // namespace vemlik
