#pragma once

#include "engine_state.h"
#include "message_sink.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vemlik {

inline constexpr const char* kUserConversionFileName = "Prevody.kfc";

// The table before any user file is read: the built-in rows and no user rows.
void fillBuiltInUnits(UnitTable& units);

// The built-in rows, then the records of the user's Prevody.kfc (beside the executable or in
// the user's data folder) in the rows that follow.
void initialiseEngine(UnitTable& units, MessageSink& messages,
                      const std::string& applicationDirectory);

// The first row, from 1 to the row count, whose abbreviation equals the name when letter case
// is ignored; 0 when there is none.
int findUnitRow(const UnitTable& units, std::string_view name);

// Places a unit in the row after the last one and counts it as a user row.
// Returns false, changing nothing, when all rows are in use.
bool addUserUnit(UnitTable& units, std::string_view abbreviation, double factor,
                 std::int32_t dimensionCode);

} // namespace vemlik
