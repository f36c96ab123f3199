#include "status_panels.h"

#include "twips.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>

namespace vemlik {

namespace {

constexpr std::array<int, 5> kPanelWidths = {1058, 1411, 2028, 2540, 1587};

int msecsToNextMinute() {
    const QTime now = QTime::currentTime();
    return 60000 - (now.second() * 1000 + now.msec());
}

} // namespace

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    for (std::size_t index = 0; index < panels_.size(); ++index) {
        auto* panel = new QLabel(QStringLiteral(" "), this);
        panel->setObjectName(QStringLiteral("Panel%1").arg(index + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // The panels are wider together than the window; the last one takes what is left.
        const bool last = index + 1 == panels_.size();
        if (last) {
            panel->setMinimumWidth(1);
        } else {
            panel->setFixedWidth(twipsToPixels(kPanelWidths[index]));
        }
        addWidget(panel, last ? 1 : 0);
        panels_[index] = panel;
    }
    panels_[2]->setText(QStringLiteral("Uživ.převody:"));
    clock_.setSingleShot(true);
    clock_.setTimerType(Qt::PreciseTimer);
    connect(&clock_, &QTimer::timeout, this, &StatusPanels::showClock);
    showClock();
}

void StatusPanels::setUserFileName(const QString& name) {
    panels_[3]->setText(name);
}

void StatusPanels::showCounts(int userRowCount, int builtInCount) {
    panels_[4]->setText(countText(userRowCount, builtInCount));
}

QString StatusPanels::panelText(int panel) const {
    return panels_.at(static_cast<std::size_t>(panel - 1))->text();
}

void StatusPanels::showClock() {
    const QLocale locale;
    panels_[0]->setText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
    panels_[1]->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    // Woken at each full minute, so the time is never a minute behind.
    clock_.start(msecsToNextMinute());
}

QString countText(int userRowCount, int builtInCount) {
    return QStringLiteral(" %1 +  %2").arg(userRowCount).arg(builtInCount);
}

} // namespace vemlik
