#include "overview_window.h"

#include "controls.h"
#include "engine_state.h"
#include "fonts.h"
#include "twips.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

namespace vemlik {

OverviewWindow::OverviewWindow(const UnitTable& units, QWidget* parent)
    : QWidget(parent, Qt::Window), units_(units) {
    setObjectName(QStringLiteral("F_Prehled"));
    setWindowTitle(QStringLiteral("Zkratky jednotek"));
    setFont(windowFont());
    setFixedSize(twipsSize(3180, 6390));

    T_Zkratky_ = new QListWidget(this);
    T_Zkratky_->setObjectName(QStringLiteral("T_Zkratky"));
    T_Zkratky_->setGeometry(twipsRect(120, 360, 2895, 5325));
    T_Zkratky_->installEventFilter(this);
    makeLabel(this, "Label1", QStringLiteral("Přehled dostupných zkratek jednotek"),
              {120, 120, 3015, 255});
    QPushButton* close =
        makeButton(this, "Command1", QStringLiteral("&Zavřít"), {1200, 5880, 1815, 375});
    fitLabelsToText(this);
    nameAfterLabels(this, {{"T_Zkratky", "Label1"}});
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

bool OverviewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == T_Zkratky_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void OverviewWindow::listAbbreviations() {
    T_Zkratky_->clear();
    for (int row = 1; row <= units_.rowCount; ++row) {
        T_Zkratky_->addItem(
            QString::fromStdString(units_.rows[static_cast<std::size_t>(row)].abbreviation));
    }
    T_Zkratky_->setCurrentRow(0);
}

} // namespace vemlik
