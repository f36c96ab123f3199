#pragma once

#include "vemlik/engine.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace vemlik {

inline constexpr int kBuiltInCount = 91;
inline constexpr int kMaxRows = 100;

// The units known in this run: the built-in rows, then the user rows. It only grows, and its
// rows never change once filled.
class UnitTable {
public:
    // The built-in rows and no user rows.
    UnitTable();

    // The first row, from 1 to the row count, whose abbreviation equals the name when letter
    // case is ignored; 0 when there is none.
    int find(std::string_view name) const;
    // Rows are numbered from 1.
    const UnitRecord& row(int number) const;
    std::span<const UnitRecord> rows() const;
    int rowCount() const { return rowCount_; }
    UnitCounts counts() const { return {rowCount_ - kBuiltInCount, kBuiltInCount}; }
    bool isFull() const { return rowCount_ >= kMaxRows; }

    // Places a unit in the row after the last one and counts it as a user row. False, changing
    // nothing, when all rows are in use.
    bool add(std::string_view abbreviation, double factor, std::int32_t dimensionCode);

private:
    void fill(int number, std::string_view abbreviation, double factor, std::int32_t dimensionCode);

    // Row 0 is never used.
    std::array<UnitRecord, kMaxRows + 1> rows_;
    // Size and first letter of each row's abbreviation, kept beside the rows so that a lookup
    // passes over most rows without touching their text.
    std::array<std::uint32_t, kMaxRows + 1> lookupKeys_{};
    int rowCount_ = 0;
};

} // namespace vemlik
