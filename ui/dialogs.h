#pragma once

#include <QString>

namespace vemlik {

// The modal dialogs the windows use. The program shows real boxes; tests answer them.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // An input error: exclamation icon and an OK button.
    virtual void showMessage(const QString& text) = 0;
    // A confirmation: question icon, Yes and No, Yes the default. True for Yes.
    virtual bool askYesNo(const QString& text) = 0;
    // A save-style dialog that also accepts the name of a file that does not exist yet.
    // The filter is written "description|pattern". Empty when the user gave no name.
    virtual QString chooseResultsFileName(const QString& filter) = 0;
};

} // namespace vemlik
