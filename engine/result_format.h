#pragma once

#include "operand_state.h"

#include <string>
#include <string_view>

namespace vemlik {

enum class ValuePrecision { Single, Double };

// The value written with the precision of its magnitude class, using the given decimal separator.
std::string formatValue(double value, ValuePrecision precision, std::string_view decimalSeparator);
// The same, appended to the text.
void appendValue(std::string& text, double value, ValuePrecision precision,
                 std::string_view decimalSeparator);

// The unit of a source's dimension in SI base units: one of the seven derived names, or the base
// symbols spelled out; empty for a dimensionless source.
std::string resultUnitText(const DimensionVector& sourceVector);

} // namespace vemlik
