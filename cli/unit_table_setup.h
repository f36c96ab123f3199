#pragma once

#include "engine_state.h"
#include "output_buffer.h"
#include "system_file.h"

#include <optional>
#include <string>

namespace vemlik::cli {

// Fills the unit table: the built-in rows, then the user rows of the named file, already open
// (a pipe too), or of the user's Prevody.kfc when no file is named. Messages about the file's
// records go to the errors, headed by the file's name.
void setUpUnitTable(UnitTable& units, OutputBuffer& errors,
                    const std::optional<std::string>& userFileName, SystemFile& userFile);

} // namespace vemlik::cli
