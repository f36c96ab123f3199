#include "pristine_units.h"
#include "single_conversion.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// A conversion line, converted and formatted as the single conversion page does it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vemlik::OperandState operands;
    vemlik::DiscardingSink sink;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    vemlik::convertSingleLine(vemlik::fuzzing::pristineUnits(), operands, sink, line, ",");
    return 0;
}
