#pragma once

#include "operand_state.h"
#include "unit_table.h"
#include "vemlik/message_sink.h"

#include <string_view>

namespace vemlik {

// What a unit expression stands for in SI base units.
struct UnitExpressionValue {
    double factor = 1.0;
    DimensionVector vector{};
    // False when an exponent sum left the 16-bit range (it then stops at the edge) or the
    // factor overflowed to infinity or underflowed to 0.
    bool withinRange = true;
    bool unknownName = false;
};

// Evaluates a unit expression such as kg2*m/s2/K into its conversion factor and dimension
// vector. Unknown names are reported one by one and count as 1 with no exponents.
UnitExpressionValue parseUnitExpression(const UnitTable& units, MessageSink& messages,
                                        std::string_view expression);

} // namespace vemlik
