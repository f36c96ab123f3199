#pragma once

#include "page.h"

#include <cstddef>

class QListWidget;

namespace vemlik {

// Page 0: the menu from which the working pages, the overview and the end are chosen.
class MenuPage : public Page {
    Q_OBJECT

public:
    // The menu's entries in list order.
    enum Entry { SingleConversions, BlockConversions, Overview, UserConversions, End };
    static constexpr std::size_t kEntryCount = End + 1;

    explicit MenuPage(QWidget* parent = nullptr);

    // The menu keeps its selected entry.
    void clearForPageEntry() override {}
    QWidget* firstField() override;

signals:
    // A double-click on an entry, or Enter in the list; the entry selected then.
    void entryChosen(vemlik::MenuPage::Entry entry);

private:
    void chooseSelectedEntry();

    QListWidget* entryList_;
};

} // namespace vemlik
