#pragma once

#include "page.h"

namespace vemlik {

class Dialogs;
class ResultsFile;
class MessageSink;
struct EngineState;

// Page 2: converts a series of values that share one source and one target unit.
class BlockPage : public Page {
    Q_OBJECT

public:
    BlockPage(EngineState& state, Dialogs& dialogs, MessageSink& messages, ResultsFile& results,
              QWidget* parent = nullptr);

    void clearForPageEntry() override;
    QWidget* firstField() override;

private:
    EngineState& state_;
    Dialogs& dialogs_;
    MessageSink& messages_;
    ResultsFile& results_;
};

} // namespace vemlik
