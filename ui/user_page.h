#pragma once

#include "page.h"

#include <QString>

class QLineEdit;
class QPushButton;
class QRadioButton;

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
    void addKindChoice();
    void addEntryFields();
    void addButtonRow();
    void parseDimension();
    void takeFactor();
    void addUnit();
    // The reason the entry can't be stored, or an empty text when it can.
    QString refusal() const;
    void writePermanently();
    void clearEntry();

    EngineState& state_;
    Dialogs& dialogs_;
    MessageSink& messages_;

    QRadioButton* temporaryOption_;
    QRadioButton* permanentOption_;
    QLineEdit* abbreviationBox_;
    QLineEdit* dimensionBox_;
    QLineEdit* factorBox_;
    QPushButton* confirmButton_;
    QPushButton* cancelButton_;
};

} // namespace vemlik
