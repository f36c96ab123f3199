#include "vemlik/engine.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// A conversion line, converted and formatted as the single conversion page does it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static vemlik::Engine engine;
    vemlik::DiscardingSink sink;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    engine.convertLine(line, ",", sink);
    return 0;
}
