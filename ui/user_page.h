#pragma once

#include "page.h"

namespace vemlik {

class Dialogs;
class MessageSink;
struct EngineState;

// Page 3: defines further units, for this run or permanently in the user conversion file.
class UserPage : public Page {
    Q_OBJECT

public:
    UserPage(EngineState& state, Dialogs& dialogs, MessageSink& messages,
             QWidget* parent = nullptr);

    // Also selects the temporary kind, without the option's own handling.
    void clearForPageEntry() override;
    QWidget* firstField() override;

private:
    EngineState& state_;
    Dialogs& dialogs_;
    MessageSink& messages_;
};

} // namespace vemlik
