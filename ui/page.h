#pragma once

#include <QWidget>

class QPushButton;

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

protected:
    // The buttons "Přehled zkratek", "Hlavní menu" and "Skončit" send their requests. A page
    // that does more on leaving connects that to the buttons first: Qt calls the slots of a
    // signal in the order they were connected.
    void connectPageButtons(QPushButton* overview, QPushButton* menu, QPushButton* end);
};

} // namespace vemlik
