#pragma once

#include "engine_state.h"
#include "output_buffer.h"

#include <optional>
#include <string>

namespace vemlik::cli {

// Fills the unit table: the built-in rows, then the user rows of the named file, or of
// Prevody.kfc beside the executable when no file is named. Messages about the file's records
// go to the errors, headed by the file's name.
void setUpUnitTable(UnitTable& units, OutputBuffer& errors,
                    const std::optional<std::string>& userFile);

} // namespace vemlik::cli
