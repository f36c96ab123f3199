#pragma once

#include "engine_state.h"
#include "message_sink.h"

#include <string_view>

namespace vemlik {

// Evaluates a unit expression such as kg2*m/s2/K into its conversion factor and dimension
// vector. Unknown names are reported one by one and set the error flag to 2; the flag is
// never cleared here.
void parseUnitExpression(EngineState& state, MessageSink& messages, std::string_view expression,
                         double& factor, DimensionVector& vector);

} // namespace vemlik
