#pragma once

#include "engine_state.h"
#include "line_stream.h"
#include "message_sink.h"

#include <string>

namespace vemlik {

// Adds the records of a user conversion file's lines to the rows after the last row in use
// and returns how many were added. Malformed records, records longer than 64 KiB among them,
// are skipped and reported once; adding stops at a full table.
int addUserRecords(UnitTable& units, MessageSink& messages, LineStream& lines);

// Adds the records of the file named in the table. A file that cannot be opened, or that is
// not a regular file (start-up must never wait), gives none and no message.
int readUserConversionFile(UnitTable& units, MessageSink& messages);

// Appends one record "abbreviation, factor , code " and CR LF, creating the file and its folder
// when missing, and returns once it is on the disk. The record starts on a line of its own.
// False, with the file as before, when the file cannot be opened, the record cannot be encoded
// or the write fails.
bool appendUserConversionRecord(const std::string& fileName, const UnitRecord& row);

} // namespace vemlik
