#pragma once

#include "engine_state.h"
#include "message_sink.h"

#include <string>

namespace vemlik {

// Reads the records of the user conversion file (units.userFileName) into the rows after the
// last row in use and returns how many were read. A file that cannot be opened gives none
// and no message; malformed records are skipped and reported once; reading stops at a full table.
int readUserConversionFile(UnitTable& units, MessageSink& messages);

// Appends one record "abbreviation, factor , code " and CR LF, creating the file when missing.
// False when the file cannot be opened, the record cannot be encoded or the write fails.
bool appendUserConversionRecord(const std::string& fileName, const UnitRecord& row);

} // namespace vemlik
