#pragma once

#include "discarding_sink.h"
#include "engine_state.h"
#include "unit_table.h"

namespace vemlik::fuzzing {

// The engine as the program starts it without user units; each input gets a fresh copy.
inline const EngineState& pristineState() {
    static const EngineState state = [] {
        EngineState initialised;
        DiscardingSink sink;
        initialiseEngine(initialised, sink, "/nonexistent-vemlik-directory");
        return initialised;
    }();
    return state;
}

} // namespace vemlik::fuzzing
