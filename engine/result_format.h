#pragma once

#include "engine_state.h"

#include <string>
#include <string_view>

namespace vemlik {

enum class ValuePrecision { Single, Double };

// The value written with the precision of its magnitude class, using the given decimal separator.
std::string formatValue(double value, ValuePrecision precision, std::string_view decimalSeparator);

// The unit of the last converted line in SI base units: one of the seven derived names, or the
// base symbols spelled out; empty without a source unit.
std::string resultUnitText(const OperandState& operands);

} // namespace vemlik
