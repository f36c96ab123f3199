#include "vemlik/engine.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// A unit expression, evaluated as the user page evaluates a dimension.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static vemlik::Engine engine;
    vemlik::DiscardingSink sink;
    const std::string_view expression(reinterpret_cast<const char*>(data), size);
    engine.takeUserDimension(expression, sink);
    return 0;
}
