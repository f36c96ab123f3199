#pragma once

#include "message_sink.h"

namespace vemlik::fuzzing {

// Messages are of no interest while fuzzing; only crashes and sanitizer reports are.
class DiscardingSink : public MessageSink {
public:
    void showMessage(std::string_view) override {}
};

} // namespace vemlik::fuzzing
