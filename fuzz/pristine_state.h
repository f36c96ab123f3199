#pragma once

#include "discarding_sink.h"
#include "engine_state.h"
#include "unit_table.h"

#include <cstdlib>

namespace vemlik::fuzzing {

// The engine as the program starts it without user units; each input gets a fresh copy.
inline const EngineState& pristineState() {
    static const EngineState state = [] {
        EngineState initialised;
        DiscardingSink sink;
        // Nobody's own units: every run starts from the built-in rows alone.
        setenv("XDG_DATA_HOME", "/nonexistent-vemlik-directory", 1);
        initialiseEngine(initialised, sink, "/nonexistent-vemlik-directory");
        return initialised;
    }();
    return state;
}

} // namespace vemlik::fuzzing
