#include "menu_page.h"

#include "controls.h"
#include "fonts.h"
#include "twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>

#include <algorithm>
#include <array>
#include <functional>

namespace vemlik {

namespace {

struct EntryText {
    MenuPage::Entry entry;
    const char* text;
};

// Each entry's text at the place of its entry, so that list and entries can't drift apart.
constexpr std::array<EntryText, MenuPage::kEntryCount> kEntryTexts = {{
    {MenuPage::SingleConversions, "Přepočet jednotlivých dat"},
    {MenuPage::BlockConversions, "Přepočet bloku stejných dat"},
    {MenuPage::Overview, "Přehled dostupných jednotek"},
    {MenuPage::UserConversions, "Přidání dalších uživatelských převodů"},
    {MenuPage::End, "Konec činnosti programu"},
}};
static_assert(std::ranges::all_of(kEntryTexts, [](const EntryText& entry) {
    return &entry - kEntryTexts.data() == entry.entry;
}));

// The menu list: Enter chooses the selected entry, as a double-click does; the other keys keep
// the list's own behaviour.
class EntryList : public QListWidget {
public:
    EntryList(QWidget* parent, std::function<void()> choose)
        : QListWidget(parent), choose_(std::move(choose)) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            choose_();
            return;
        }
        QListWidget::keyPressEvent(event);
    }

private:
    std::function<void()> choose_;
};

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
    entryList_ = new EntryList(this, [this] { chooseSelectedEntry(); });
    makeLabel(this, "Label2", QStringLiteral("Volba činnosti :"), {480, 2940, 3375, 255})
        ->setBuddy(entryList_);
    entryList_->setObjectName(QStringLiteral("lblNabidka"));
    entryList_->setGeometry(twipsRect(480, 3300, 5535, 1260));
    entryList_->setFont(layoutFont(9.75, true));
    entryList_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const EntryText& entry : kEntryTexts) {
        entryList_->addItem(QString::fromUtf8(entry.text));
    }
    entryList_->setCurrentRow(0);
    connect(entryList_, &QListWidget::doubleClicked, this, &MenuPage::chooseSelectedEntry);
}

QWidget* MenuPage::firstField() {
    return entryList_;
}

void MenuPage::chooseSelectedEntry() {
    const QList<QListWidgetItem*> selected = entryList_->selectedItems();
    if (!selected.isEmpty()) {
        emit entryChosen(static_cast<Entry>(entryList_->row(selected.first())));
    }
}

} // namespace vemlik
