#pragma once

#include <QWidget>

namespace vemlik {

// One page of the main window's tab control. The main window prepares the pages on page
// entry and acts on the requests they send.
class Page : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Page entry: empties the page's entry and result fields.
    virtual void clearForPageEntry() = 0;
    // The field that takes the focus when the page is entered.
    virtual QWidget* firstField() = 0;

signals:
    // Back to the menu page, without page entry.
    void menuRequested();
    void overviewRequested();
    void endRequested();
    // The unit table's counts have changed.
    void countsChanged();
};

} // namespace vemlik
