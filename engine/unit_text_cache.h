#pragma once

#include "unit_expression.h"
#include "unit_table.h"
#include "vemlik/message_sink.h"

#include <array>
#include <string>
#include <string_view>

namespace vemlik {

// Unit texts evaluated against the unit table, each once: lines bring the same few units again
// and again. A text is kept only when its evaluation told nothing, since its messages must come
// again with it, and only while the table has the rows it was evaluated with. A fixed number of
// short texts is kept, each in the slot that its hash picks, however long the input runs.
class UnitTextCache {
public:
    explicit UnitTextCache(const UnitTable& units) : units_(units) {}

    UnitExpressionValue evaluate(std::string_view text, MessageSink& messages);

private:
    struct Entry {
        std::string text;
        UnitExpressionValue value;
        int rowCount = 0; // of the table it was evaluated with; 0 for a slot never filled
    };

    Entry& slotOf(std::string_view text);

    const UnitTable& units_;
    std::array<Entry, 256> entries_;
};

} // namespace vemlik
