#pragma once

#include <QRect>
#include <QWidget>

#include <functional>

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
    // The buttons "Přehled zkratek", "Hlavní menu" and "Skončit" that every working page has,
    // each given by its object name and its place in twips.
    struct ButtonPlace {
        const char* name;
        QRect twips;
    };
    struct PageButtons {
        QPushButton* overview;
        QPushButton* menu;
        QPushButton* end;
    };
    // Makes the three buttons in the parent, in that order, to send the page's requests; a page
    // that has more to do before it is left for the menu or the end gives that as an action,
    // which tells whether the page may be left.
    PageButtons addPageButtons(
        QWidget* parent, const ButtonPlace (&places)[3],
        const std::function<bool()>& beforeMenu = [] { return true; },
        const std::function<bool()>& beforeEnd = [] { return true; });
};

} // namespace vemlik
