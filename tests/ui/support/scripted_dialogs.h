#pragma once

#include "dialogs.h"

#include <QStringList>

#include <functional>

namespace vemlik::testing {

// Answers the windows' dialogs as the test has set it up and keeps what they were asked.
class ScriptedDialogs : public Dialogs {
public:
    void showMessage(const QString& text) override { messages.append(text); }
    bool askYesNo(const QString& text) override {
        questions.append(text);
        if (whileAsked) {
            whileAsked();
        }
        return answerYes;
    }
    QString chooseResultsFileName(const QString& filter) override {
        fileDialogFilters.append(filter);
        return chosenFileName;
    }

    QStringList messages;
    QStringList questions;
    bool answerYes = true;
    // What happens elsewhere while a question is open, as another window goes on meanwhile.
    std::function<void()> whileAsked;
    // One entry for each file dialog shown; the dialog answers with chosenFileName
    // (empty: closed without a name).
    QStringList fileDialogFilters;
    QString chosenFileName;
};

} // namespace vemlik::testing
