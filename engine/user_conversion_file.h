#pragma once

#include "engine_state.h"
#include "message_sink.h"
#include "system_file.h"

#include <string>

namespace vemlik {

// Reads the records of the user conversion file (state.userFileName) into the rows after the
// last row in use and returns how many were read. A file that cannot be opened, or that is not
// a regular file (start-up must never wait), gives none and no message; malformed records,
// records longer than 64 KiB among them, are skipped and reported once; reading stops at a
// full table.
int readUserConversionFile(EngineState& state, MessageSink& messages);
// The same for a file already open, of any kind: a pipe is read as a stream as well.
int readUserConversionFile(EngineState& state, MessageSink& messages, SystemFile& file);

// Appends one record "abbreviation, factor , code " and CR LF, creating the file and its folder
// when missing, and returns once it is on the disk. The record starts on a line of its own.
// False, with the file as before, when the file cannot be opened, the record cannot be encoded
// or the write fails.
bool appendUserConversionRecord(const std::string& fileName, const UnitRecord& row);

} // namespace vemlik
