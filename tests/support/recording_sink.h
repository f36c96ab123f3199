#pragma once

#include "message_sink.h"

#include <string>
#include <vector>

namespace vemlik::testing {

// Keeps every message the engine shows, in order.
class RecordingSink : public MessageSink {
public:
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    std::vector<std::string> messages;
};

} // namespace vemlik::testing
