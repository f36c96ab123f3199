#include "pristine_state.h"
#include "unit_expression.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vemlik::EngineState state = vemlik::fuzzing::pristineState();
    vemlik::fuzzing::DiscardingSink sink;
    const std::string_view expression(reinterpret_cast<const char*>(data), size);
    vemlik::parseUnitExpression(state, sink, expression, state.firstOperandFactor,
                                state.firstOperandVector);
    return 0;
}
