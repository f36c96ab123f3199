#pragma once

#include "dialogs.h"

class QWidget;

namespace vemlik {

// Message boxes and the file dialog of the program. None sets a title of its own: the boxes
// carry the application's name. Their texts are plain text.
class QtDialogs : public Dialogs {
public:
    // The boxes are modal to this window once it is set.
    void setParentWindow(QWidget* window) { parentWindow_ = window; }

    void showMessage(const QString& text) override;
    bool askYesNo(const QString& text) override;
    QString chooseResultsFileName(const QString& filter) override;

private:
    QWidget* parentWindow_ = nullptr;
};

// "description|pattern" as a Qt name filter: "description (pattern)".
QString qtNameFilter(const QString& filter);

} // namespace vemlik
