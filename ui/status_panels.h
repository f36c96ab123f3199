#pragma once

#include <QStatusBar>
#include <QTimer>

#include <array>

class QLabel;

namespace vemlik {

// The status bar StatusBar1: time, date, "Uživ.převody:", the user conversion file's name and
// the counts of user and built-in rows. Time and date keep themselves current.
class StatusPanels : public QStatusBar {
    Q_OBJECT

public:
    explicit StatusPanels(QWidget* parent = nullptr);

    void setUserFileName(const QString& name);
    void showCounts(int userRowCount, int builtInCount);

private:
    void showClock();

    std::array<QLabel*, 5> panels_{};
    QTimer clock_;
};

// " 2 +  91": each count with one leading blank, joined by " + ".
QString countText(int userRowCount, int builtInCount);

} // namespace vemlik
