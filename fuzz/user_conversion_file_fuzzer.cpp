#include "vemlik/byte_source.h"
#include "vemlik/engine.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// The text of a user conversion file, read into the built-in table; the table never holds more
// than its 100 rows.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vemlik::Engine engine;
    vemlik::DiscardingSink sink;
    vemlik::TextSource file(std::string_view(reinterpret_cast<const char*>(data), size));
    engine.readUserFile("Prevody.kfc", file, sink);
    const vemlik::UnitCounts counts = engine.counts();
    if (engine.units().size() > 100 ||
        engine.units().size() != static_cast<std::size_t>(counts.userRows + counts.builtInRows)) {
        __builtin_trap();
    }
    return 0;
}
