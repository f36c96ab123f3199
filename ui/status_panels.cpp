#include "status_panels.h"

#include "twips.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>

namespace vemlik {

namespace {

constexpr std::array<int, 5> kPanelWidths = {1058, 1411, 2028, 2540, 1587};
constexpr std::size_t kFixedPanels = 3;

// Room for the text with a blank's width on either side, besides the panel's frame.
void keepWhole(QLabel* panel, const QString& text) {
    const QFontMetrics metrics = panel->fontMetrics();
    panel->setMinimumWidth(metrics.horizontalAdvance(u' ' + text + u' ') + 2 * panel->frameWidth());
}

// The system's short time format, without seconds where it has them.
QString hoursAndMinutes(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(QRegularExpression(QStringLiteral("[:.]ss?")));
    return locale.toString(QTime::currentTime(), format);
}

int msecsToNextMinute() {
    const QTime now = QTime::currentTime();
    return 60000 - (now.second() * 1000 + now.msec());
}

} // namespace

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    // The tabled widths add up to more than the window: the first three panels keep theirs,
    // the file name's and the counts' panels share the rest in the tabled proportion, never
    // narrower than their texts.
    for (std::size_t index = 0; index < panels_.size(); ++index) {
        auto* panel = new QLabel(QStringLiteral(" "), this);
        panel->setObjectName(QStringLiteral("Panel%1").arg(index + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        const bool fixed = index < kFixedPanels;
        if (fixed) {
            panel->setFixedWidth(twipsToPixels(kPanelWidths[index]));
        }
        addWidget(panel, fixed ? 0 : kPanelWidths[index]);
        panels_[index] = panel;
    }
    keepWhole(panels_[3], QStringLiteral("Prevody.kfc"));
    keepWhole(panels_[4], countText(99, 91));
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

void StatusPanels::showClock() {
    const QLocale locale;
    panels_[0]->setText(hoursAndMinutes(locale));
    panels_[1]->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    // Woken at each full minute, so the time is never a minute behind.
    clock_.start(msecsToNextMinute());
}

QString countText(int userRowCount, int builtInCount) {
    return QStringLiteral(" %1 +  %2").arg(userRowCount).arg(builtInCount);
}

} // namespace vemlik
