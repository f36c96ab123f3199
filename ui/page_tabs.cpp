#include "page_tabs.h"

#include "page.h"

#include <QKeyEvent>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace vemlik {

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
}

void PageTabs::selectPage(int index) {
    whileSelecting([&] { setCurrentIndex(index); });
}

Page* PageTabs::page(int index) const {
    return static_cast<Page*>(widget(index));
}

void PageTabs::keyPressEvent(QKeyEvent* event) {
    // Ctrl+Tab and Ctrl+PageUp/PageDown would switch pages behind page entry's back.
    event->ignore();
}

} // namespace vemlik
