#include "line_stream.h"
#include "pristine_units.h"
#include "user_conversion_file.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// The text of a user conversion file, read into the built-in table.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vemlik::UnitTable units = vemlik::fuzzing::pristineUnits();
    vemlik::DiscardingSink sink;
    vemlik::LineStream lines(std::string_view(reinterpret_cast<const char*>(data), size));
    vemlik::addUserRecords(units, sink, lines);
    if (units.rowCount > vemlik::kMaxRows ||
        units.rowCount != units.builtInCount + units.userRowCount) {
        __builtin_trap();
    }
    return 0;
}
