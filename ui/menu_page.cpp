#include "menu_page.h"

#include "controls.h"
#include "fonts.h"
#include "twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>

namespace vemlik {

namespace {

void addSystemName(QWidget* page, const char* name, const QString& text, QRect twips,
                   const QFont& font, const QColor& colour) {
    QLabel* label = makeLabel(page, name, text, twips, font);
    label->setWordWrap(false);
    if (colour.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
}

} // namespace

MenuPage::MenuPage(QWidget* parent) : Page(parent) {
    // The names of the unit systems, as decoration.
    addSystemName(this, "Label13", QStringLiteral("S I"), {480, 1260, 1335, 975}, layoutFont(48),
                  Qt::red);
    addSystemName(this, "Label16", QStringLiteral("E n g l i s h"), {3480, 1020, 2655, 615},
                  layoutFont(18, true), Qt::magenta);
    addSystemName(this, "Label14", QStringLiteral("c g s"), {2160, 1500, 1335, 615}, layoutFont(24),
                  QColor());
    addSystemName(this, "Label15", QStringLiteral("M K S A"), {3840, 1860, 2655, 735},
                  layoutFont(36), Qt::blue);
    makeLabel(this, "Label2", QStringLiteral("Volba činnosti :"), {480, 2940, 3375, 255});

    entryList_ = new QListWidget(this);
    entryList_->setObjectName(QStringLiteral("lblNabidka"));
    entryList_->setGeometry(twipsRect(480, 3300, 5535, 1260));
    entryList_->setFont(layoutFont(9.75, true));
    entryList_->setSelectionMode(QAbstractItemView::SingleSelection);
    entryList_->addItems({
        QStringLiteral("Vemlik jednotlivých dat"),
        QStringLiteral("Vemlik bloku stejných dat"),
        QStringLiteral("Přehled dostupných jednotek"),
        QStringLiteral("Přidání dalších uživatelských Vemlik"),
        QStringLiteral("Konec činnosti programu"),
    });
    entryList_->setCurrentRow(0);
    entryList_->installEventFilter(this);
    connect(entryList_, &QListWidget::doubleClicked, this, &MenuPage::chooseSelectedEntry);
}

QWidget* MenuPage::firstField() {
    return entryList_;
}

bool MenuPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == entryList_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            chooseSelectedEntry();
            return true;
        }
    }
    return Page::eventFilter(watched, event);
}

void MenuPage::chooseSelectedEntry() {
    const QList<QListWidgetItem*> selected = entryList_->selectedItems();
    if (!selected.isEmpty()) {
        emit entryChosen(static_cast<Entry>(entryList_->row(selected.first())));
    }
}

} // namespace vemlik
