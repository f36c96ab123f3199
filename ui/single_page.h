#pragma once

#include "page.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace vemlik {

class Engine;
class MessageSink;
class SharedResultsFile;

// Page 1: converts one conversion line at a time and can append each result to the results
// file.
class SinglePage : public Page {
    Q_OBJECT

public:
    SinglePage(Engine& engine, MessageSink& messages, SharedResultsFile& results,
               QWidget* parent = nullptr);

    // Empties the conversion line, the result and the error marker; the main window's
    // activation empties the same fields.
    void clearForPageEntry() override;
    QWidget* firstField() override;

private:
    void addTexts();
    void addWorkingControls();
    void convert();
    void newEntry();
    // Shows the error marker "CHYBA !", or none with an empty text.
    void showErrorMarker(const QString& marker);

    Engine& engine_;
    MessageSink& messages_;
    SharedResultsFile& results_;

    QLineEdit* lineEdit_;
    QLineEdit* resultBox_;
    QLabel* errorMarker_;
    QCheckBox* writeResultsBox_;
};

} // namespace vemlik
