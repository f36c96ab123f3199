#include "overview_window.h"

#include "controls.h"
#include "escape_key.h"
#include "fonts.h"
#include "twips.h"
#include "vemlik/engine.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace vemlik {

OverviewWindow::OverviewWindow(const Engine& engine, QWidget* parent)
    : QWidget(parent, Qt::Window), engine_(engine) {
    setObjectName(QStringLiteral("F_Prehled"));
    setWindowTitle(QStringLiteral("Zkratky jednotek"));
    setFont(windowFont());
    setFixedSize(twipsSize(3180, 6390));

    abbreviationList_ = new QListWidget(this);
    abbreviationList_->setObjectName(QStringLiteral("T_Zkratky"));
    abbreviationList_->setGeometry(twipsRect(120, 360, 2895, 5325));
    // Only hidden: unlike "Zavřít", the key leaves the main window where it is.
    onEscape(abbreviationList_, [this] { hide(); });
    makeLabel(this, "Label1", QStringLiteral("Přehled dostupných zkratek jednotek"),
              {120, 120, 3015, 255})
        ->setBuddy(abbreviationList_);
    QPushButton* close =
        makeButton(this, "Command1", QStringLiteral("&Zavřít"), {1200, 5880, 1815, 375});
    fitLabelsToText(this);
    nameFieldsAfterLabels(this);
    connect(close, &QPushButton::clicked, this, [this] {
        hide();
        emit closed();
    });
}

void OverviewWindow::showEvent(QShowEvent* event) {
    // Also here, for window systems that show a window without activating it.
    listAbbreviations();
    QWidget::showEvent(event);
}

void OverviewWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        listAbbreviations();
        emit activated();
    }
    QWidget::changeEvent(event);
}

void OverviewWindow::listAbbreviations() {
    abbreviationList_->clear();
    for (const UnitRecord& unit : engine_.units()) {
        abbreviationList_->addItem(QString::fromStdString(unit.abbreviation));
    }
    abbreviationList_->setCurrentRow(0);
}

} // namespace vemlik
