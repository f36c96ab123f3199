#include "unit_table.h"

#include "built_in_units.h"
#include "text_scanning.h"
#include "vemlik/text_encoding.h"

#include <cassert>

namespace vemlik {

namespace {

// Both cases of a letter take the same bytes, and an ASCII character only ever equals an ASCII
// one: texts equal in either case have the same size and, when it is ASCII, the same folded
// first byte. All non-ASCII first bytes share one key.
std::uint32_t lookupKey(std::string_view text) {
    const auto first = static_cast<unsigned char>(text.empty() ? 0 : asciiLower(text.front()));
    return static_cast<std::uint32_t>(text.size() << 8) | (first < 0x80 ? first : 0x80u);
}

} // namespace

UnitTable::UnitTable() {
    for (const BuiltInUnit& unit : kBuiltInUnits) {
        fill(++rowCount_, unit.abbreviation, unit.factor, unit.dimensionCode);
    }
}

int UnitTable::find(std::string_view name) const {
    const std::uint32_t key = lookupKey(name);
    for (int number = 1; number <= rowCount_; ++number) {
        const auto index = static_cast<std::size_t>(number);
        if (lookupKeys_[index] == key && equalIgnoringCase(rows_[index].abbreviation, name)) {
            return number;
        }
    }
    return 0;
}

const UnitRecord& UnitTable::row(int number) const {
    assert(number >= 1 && number <= rowCount_);
    return rows_[static_cast<std::size_t>(number)];
}

std::span<const UnitRecord> UnitTable::rows() const {
    return std::span(rows_).subspan(1, static_cast<std::size_t>(rowCount_));
}

bool UnitTable::add(std::string_view abbreviation, double factor, std::int32_t dimensionCode) {
    if (isFull()) {
        return false;
    }
    fill(++rowCount_, abbreviation, factor, dimensionCode);
    return true;
}

void UnitTable::fill(int number, std::string_view abbreviation, double factor,
                     std::int32_t dimensionCode) {
    assert(number >= 1 && number <= kMaxRows);
    const auto index = static_cast<std::size_t>(number);
    rows_[index] = {std::string(abbreviation), factor, dimensionCode};
    lookupKeys_[index] = lookupKey(abbreviation);
}

} // namespace vemlik
