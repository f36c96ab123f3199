#include "unit_text_cache.h"

#include <cstdint>

namespace vemlik {

namespace {

// Longer texts are rare and evaluated each time; the kept ones take some tens of kilobytes.
constexpr std::size_t kLongestKept = 64;

} // namespace

UnitExpressionValue UnitTextCache::evaluate(std::string_view text, MessageSink& messages) {
    if (text.size() > kLongestKept) {
        return parseUnitExpression(units_, messages, text);
    }
    Entry& entry = slotOf(text);
    // The table only grows; a row more forgets every text evaluated before it.
    if (entry.rowCount == units_.rowCount() && entry.text == text) {
        return entry.value;
    }
    const UnitExpressionValue value = parseUnitExpression(units_, messages, text);
    if (!value.unknownName) {
        entry.text.assign(text);
        entry.value = value;
        entry.rowCount = units_.rowCount();
    }
    return value;
}

// FNV-1a: a few operations a byte, and texts that differ in one letter land apart.
UnitTextCache::Entry& UnitTextCache::slotOf(std::string_view text) {
    std::uint32_t hash = 2166136261u;
    for (const char byte : text) {
        hash = (hash ^ static_cast<unsigned char>(byte)) * 16777619u;
    }
    return entries_[hash % entries_.size()];
}

} // namespace vemlik
