#pragma once

#include <QScopedValueRollback>
#include <QTabWidget>

class QAbstractButton;
class QKeySequence;

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
    // Shows the page without page entry.
    void selectPage(int index);

signals:
    // A page caption was clicked or its access key used, or the tab bar received the focus.
    void entered();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Gives the controls of the shown page their access keys whole where a caption has the
    // same letter.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class TabBar;

    // The control of the shown page that the access key belongs to; a caption with the same
    // letter yields to it.
    QAbstractButton* shownControlWithKey(const QKeySequence& key) const;
    bool isCaptionKey(const QKeySequence& key) const;

    // Hiding the page that holds the focus passes the focus along the tab chain, often to the
    // tab bar; while a page is being selected that is not the user entering the tab control.
    template <typename Action> auto whileSelecting(Action action) {
        const QScopedValueRollback<bool> guard(selecting_, true);
        return action();
    }

    bool selecting_ = false;
};

} // namespace vemlik
