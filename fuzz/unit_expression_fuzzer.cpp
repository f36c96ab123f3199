#include "pristine_units.h"
#include "unit_expression.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vemlik::DiscardingSink sink;
    const std::string_view expression(reinterpret_cast<const char*>(data), size);
    vemlik::parseUnitExpression(vemlik::fuzzing::pristineUnits(), sink, expression);
    return 0;
}
