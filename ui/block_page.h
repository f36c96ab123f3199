#pragma once

#include "page.h"
#include "vemlik/engine.h"

#include <optional>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace vemlik {

class Dialogs;
class MessageSink;
class SharedResultsFile;

// Page 2: converts a series of values that share one source and one target unit.
class BlockPage : public Page {
    Q_OBJECT

public:
    BlockPage(Engine& engine, Dialogs& dialogs, MessageSink& messages, SharedResultsFile& results,
              QWidget* parent = nullptr);

    void clearForPageEntry() override;
    QWidget* firstField() override;

private:
    void addEntryFields(QWidget* frame);
    void addButtons();
    void takeSourceUnit();
    void takeUnitPair();
    void convertValue();
    // Appends the table as one section to the results file, if it is open, and closes it. A
    // table whose section was not written is tried again while chkSoubor stays checked: the
    // file is opened for it. True when the table may go: written, or nothing to write.
    bool writeTable();
    void newEntry();

    Engine& engine_;
    Dialogs& dialogs_;
    MessageSink& messages_;
    SharedResultsFile& results_;
    // Set once Enter in Text4 converted a unit pair without error since the fields were emptied.
    std::optional<UnitPair> acceptedPair_;
    // Set once a section of this table could not be written.
    bool tableUnwritten_ = false;

    QCheckBox* saveTableBox_;
    QLineEdit* sourceUnitEdit_;
    QLineEdit* targetUnitEdit_;
    QLineEdit* valueEdit_;
    QLineEdit* resultEdit_;
    QPlainTextEdit* tableEdit_;
};

} // namespace vemlik
