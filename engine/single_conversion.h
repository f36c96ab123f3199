#pragma once

#include "engine_state.h"
#include "message_sink.h"

#include <optional>
#include <string>
#include <string_view>

namespace vemlik {

// Converts one line as the single conversion page shows it: the value of the first item,
// one blank, and the target unit (or the result unit when no target was named).
// Nothing when any item of the line met a fault.
std::optional<std::string> convertSingleLine(const UnitTable& units, OperandState& operands,
                                             MessageSink& messages, std::string_view line,
                                             std::string_view decimalSeparator);

} // namespace vemlik
