#pragma once

#include "dialogs.h"
#include "vemlik/message_sink.h"

namespace vemlik {

// Shows the engine's messages in the program's message boxes.
class DialogMessageSink : public MessageSink {
public:
    explicit DialogMessageSink(Dialogs& dialogs) : dialogs_(dialogs) {}

    void showMessage(std::string_view text) override {
        dialogs_.showMessage(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }

private:
    Dialogs& dialogs_;
};

} // namespace vemlik
