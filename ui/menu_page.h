#pragma once

#include "page.h"

class QListWidget;

namespace vemlik {

// Page 0: the menu from which the working pages, the overview and the end are chosen.
class MenuPage : public Page {
    Q_OBJECT

public:
    explicit MenuPage(QWidget* parent = nullptr);

    // The menu keeps its selected entry.
    void clearForPageEntry() override {}
    QWidget* firstField() override;

    enum Entry { SingleConversions, BlockConversions, Overview, UserConversions, End };

signals:
    // A double-click on an entry, or Enter in the list; the entry selected then.
    void entryChosen(vemlik::MenuPage::Entry entry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseSelectedEntry();

    QListWidget* entryList_;
};

} // namespace vemlik
