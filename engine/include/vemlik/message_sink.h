#pragma once

#include <string_view>

namespace vemlik {

// Where the engine's messages go: the window shows each in a modal box with an exclamation icon
// and an OK button, vemlik-cli writes it to standard error, tests record it. The engine goes on
// only after the call returns.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(std::string_view text) = 0;
};

// For runs where nobody reads the messages: benchmarks, fuzzing.
class DiscardingSink : public MessageSink {
public:
    void showMessage(std::string_view) override {}
};

} // namespace vemlik
