#pragma once

#include "unit_table.h"
#include "vemlik/byte_source.h"
#include "vemlik/message_sink.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vemlik {

// A record line longer than this is malformed, whatever its fields; the writer keeps within it.
inline constexpr std::size_t kRecordLineLimit = 64 * 1024;

// Adds the records of a user conversion file, however it is read, to the rows after the last
// row in use and returns how many were added. Malformed records, records longer than the limit
// among them, are skipped and reported once; adding stops at a full table, and a read fault is
// reported too. Past the last record only a bounded stretch is read, and where it ends reading
// before the table is full, that is reported. The messages name the file by the name given.
int addUserRecords(UnitTable& units, MessageSink& messages, ByteSource& file,
                   std::string_view fileName);

// Adds the records of the named file. A file that cannot be opened, or that is not a regular
// file (start-up must never wait), gives none and no message.
int readUserConversionFile(UnitTable& units, const std::string& fileName, MessageSink& messages);

// An abbreviation that a record carries and gives back unchanged, with any factor and code.
bool isStorableAbbreviation(std::string_view abbreviation);

// Why a record was not, or would not be, appended to the file for the next runs.
enum class RecordRefusal {
    None,
    // The next start would fill its table before it came to the record.
    TableFull,
    // The file holds a record of the same abbreviation, as lookups compare them, that this run
    // does not know: stored by another program since this run read the file, it would win.
    AbbreviationTaken,
    // The file cannot be opened, the record cannot be encoded or the write fails.
    NotWritten,
};

// Looks at the file as it holds now, under its lock, without writing: TableFull,
// AbbreviationTaken or None. A file that cannot be read refuses nothing.
RecordRefusal userFileRefusal(const std::string& fileName, std::string_view abbreviation,
                              bool knownToThisRun);

// Appends one record "abbreviation, factor , code " and CR LF, creating the file and its folder
// when missing, and returns once it is on the disk. The record starts on a line of its own.
// Under the lock that the append holds the file is looked at again as userFileRefusal does, so
// that no other program's append comes between; nothing is appended when it refuses. Any
// refusal leaves the file as it was.
RecordRefusal appendUserConversionRecord(const std::string& fileName, const UnitRecord& row,
                                         bool knownToThisRun);

} // namespace vemlik
