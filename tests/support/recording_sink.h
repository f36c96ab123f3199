#pragma once

#include "message_sink.h"

#include <string>
#include <vector>

namespace vemlik::testing {

// Keeps every message the engine shows, in order.
struct RecordingSink : MessageSink {
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    std::vector<std::string> messages;
};

} // namespace vemlik::testing
