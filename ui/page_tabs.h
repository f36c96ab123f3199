#pragma once

#include <QTabWidget>

namespace vemlik {

class Page;

// The tab control SSTab1. Its pages change only by their captions (click or access key) and
// by the program; it reports every time the user enters it, so that the main window can run
// page entry once for each such event.
class PageTabs : public QTabWidget {
    Q_OBJECT

public:
    explicit PageTabs(QWidget* parent = nullptr);

    // Adds a page whose own controls are placed relative to the tab control, as the layout
    // gives them.
    void addPage(Page* page, const QString& caption);
    Page* page(int index) const;

signals:
    // A page caption was clicked or its access key used, or the tab bar received the focus.
    void entered();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace vemlik
