#pragma once

#include "engine_state.h"
#include "message_sink.h"

#include <string_view>

namespace vemlik {

// Evaluates a unit expression such as kg2*m/s2/K into its conversion factor and dimension
// vector. Unknown names are reported one by one and set the error flag to 2; the flag is
// never cleared here. False when an exponent sum left the 16-bit range (it then stops at the
// edge) or the factor overflowed to infinity or underflowed to 0.
bool parseUnitExpression(EngineState& state, MessageSink& messages, std::string_view expression,
                         double& factor, DimensionVector& vector);

} // namespace vemlik
