#pragma once

#include "page.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vemlik {

class Dialogs;
class Engine;
class MessageSink;

// Page 3: defines further units, for this run or permanently in the user conversion file.
class UserPage : public Page {
    Q_OBJECT

public:
    UserPage(Engine& engine, Dialogs& dialogs, MessageSink& messages, QWidget* parent = nullptr);

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
    void clearEntry();

    Engine& engine_;
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
