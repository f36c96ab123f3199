#include "page_tabs.h"

#include "page.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace vemlik {

namespace {

// What the control's own access key does. An event with an id the control did not grab reaches
// only its filters (a check box that flips on arrival takes it there); a button that nothing
// took it from clicks, as for its own key.
void pressAccessKey(QAbstractButton* control, const QKeySequence& key) {
    QShortcutEvent press(key, 0, false);
    if (!QCoreApplication::sendEvent(control, &press)) {
        control->animateClick();
    }
}

} // namespace

// Equally wide captions in one row; no page change by the wheel or the arrow keys.
class PageTabs::TabBar : public QTabBar {
public:
    explicit TabBar(PageTabs& tabs) : QTabBar(&tabs), tabs_(tabs) {
        setFocusPolicy(Qt::TabFocus);
        setDrawBase(true);
    }

protected:
    QSize tabSizeHint(int index) const override {
        const QSize natural = QTabBar::tabSizeHint(index);
        return {std::max(natural.width(), (tabs_.width() - 1) / std::max(count(), 1)),
                natural.height()};
    }

    bool event(QEvent* event) override {
        if (event->type() != QEvent::Shortcut) {
            return QTabBar::event(event);
        }
        const QKeySequence key = static_cast<QShortcutEvent*>(event)->key();
        if (QAbstractButton* control = tabs_.shownControlWithKey(key)) {
            pressAccessKey(control, key);
            return true;
        }
        const bool handled = tabs_.whileSelecting([&] { return QTabBar::event(event); });
        emit tabs_.entered();
        return handled;
    }

    void mousePressEvent(QMouseEvent* event) override {
        tabs_.whileSelecting([&] { QTabBar::mousePressEvent(event); });
        if (event->button() == Qt::LeftButton && tabAt(event->position().toPoint()) >= 0) {
            emit tabs_.entered();
        }
    }

    void focusInEvent(QFocusEvent* event) override {
        QTabBar::focusInEvent(event);
        if (!tabs_.selecting_) {
            emit tabs_.entered();
        }
    }

    void keyPressEvent(QKeyEvent* event) override { event->ignore(); }
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }

private:
    PageTabs& tabs_;
};

PageTabs::PageTabs(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("SSTab1"));
    setTabBar(new TabBar(*this));
}

void PageTabs::addPage(Page* page, const QString& caption) {
    addTab(page, caption);
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    const QPoint pageOrigin =
        style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this).topLeft();
    for (QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        control->move(control->pos() - pageOrigin);
    }
    for (QAbstractButton* control : page->findChildren<QAbstractButton*>()) {
        control->installEventFilter(this);
    }
}

// Qt offers a key that two have grabbed to each in turn, and only as a move of the focus; the
// control of the shown page takes it whole at every press.
bool PageTabs::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (shortcut->isAmbiguous() && isCaptionKey(shortcut->key()) &&
            watched == shownControlWithKey(shortcut->key())) {
            QShortcutEvent whole(shortcut->key(), shortcut->shortcutId(), false);
            QCoreApplication::sendEvent(watched, &whole);
            return true;
        }
    }
    return QTabWidget::eventFilter(watched, event);
}

QAbstractButton* PageTabs::shownControlWithKey(const QKeySequence& key) const {
    for (QAbstractButton* control : currentWidget()->findChildren<QAbstractButton*>()) {
        if (control->isVisible() && control->isEnabled() &&
            QKeySequence::mnemonic(control->text()) == key) {
            return control;
        }
    }
    return nullptr;
}

bool PageTabs::isCaptionKey(const QKeySequence& key) const {
    for (int index = 0; index < count(); ++index) {
        if (QKeySequence::mnemonic(tabText(index)) == key) {
            return true;
        }
    }
    return false;
}

void PageTabs::selectPage(int index) {
    whileSelecting([&] { setCurrentIndex(index); });
}

Page* PageTabs::page(int index) const {
    return qobject_cast<Page*>(widget(index));
}

void PageTabs::keyPressEvent(QKeyEvent* event) {
    // Ctrl+Tab and Ctrl+PageUp/PageDown would switch pages behind page entry's back.
    event->ignore();
}

} // namespace vemlik
