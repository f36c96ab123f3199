#pragma once

#include "engine_state.h"
#include "unit_table.h"

namespace vemlik::fuzzing {

// The unit table as the program starts it without user units.
inline const UnitTable& pristineUnits() {
    static const UnitTable units = [] {
        UnitTable initialised;
        fillBuiltInUnits(initialised);
        return initialised;
    }();
    return units;
}

} // namespace vemlik::fuzzing
