#pragma once

#include "engine_state.h"
#include "message_sink.h"
#include "unit_table.h"

namespace vemlik::fuzzing {

// The unit table as the program starts it without user units.
inline const UnitTable& pristineUnits() {
    static const UnitTable units = [] {
        UnitTable initialised;
        DiscardingSink sink;
        initialiseEngine(initialised, sink, "/nonexistent-vemlik-directory");
        return initialised;
    }();
    return units;
}

} // namespace vemlik::fuzzing
