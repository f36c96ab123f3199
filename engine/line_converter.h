#pragma once

#include "engine_state.h"
#include "message_sink.h"

namespace vemlik {

// Converts the items of state.inputLine (which it consumes) and returns the converted value
// of the first item. Leaves the operand texts, factors, offsets and vectors of the last item,
// the error flag for the whole line and the result list behind.
float convertLine(EngineState& state, MessageSink& messages);

} // namespace vemlik
