#pragma once

#include "operand_state.h"
#include "unit_table.h"

#include <optional>
#include <string_view>

namespace vemlik {

// What the user page holds at the confirmation: its two texts as typed, and the target operand
// that Enter in the dimension and factor fields (or the last conversion) left.
struct UserUnitEntry {
    std::string_view abbreviation;
    std::string_view dimensionText;
    const Operand& dimension;
    ErrorFlag dimensionFault;
};

// Why the entry can't become a unit of the table, or nothing when it can.
std::optional<std::string_view> userUnitRefusal(const UserUnitEntry& entry, const UnitTable& units);

// A name that a conversion line can look up and the user conversion file can carry.
bool isUsableAbbreviation(std::string_view abbreviation);

} // namespace vemlik
