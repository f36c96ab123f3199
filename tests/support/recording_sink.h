#pragma once

#include "vemlik/message_sink.h"

#include <string>
#include <vector>

namespace vemlik::testing {

using Messages = std::vector<std::string>;

// Keeps every message the engine shows, in order.
struct RecordingSink : MessageSink {
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    Messages messages;
};

} // namespace vemlik::testing
