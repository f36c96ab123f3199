#pragma once

#include "vemlik/engine.h"
#include "vemlik/message_sink.h"

#include <optional>
#include <string>
#include <string_view>

namespace vemlik {

// The conversion line that evaluates a block page's unit pair: the target, " 1 " and the source.
std::string unitPairLine(std::string_view targetText, std::string_view sourceText);

// A value typed on the block page, converted with the pair. Only its first decimal comma
// becomes a point; &H and &O mark hexadecimal and octal integers. Nothing, with the message,
// when the result is beyond the range of a double.
std::optional<BlockRow> convertBlockValue(const UnitPair& pair, std::string_view valueText,
                                          std::string_view decimalSeparator, MessageSink& messages);

} // namespace vemlik
