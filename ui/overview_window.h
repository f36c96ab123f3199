#pragma once

#include <QWidget>

class QListWidget;

namespace vemlik {

class Engine;

// F_Prehled: every abbreviation of the unit table, in row order, listed afresh whenever the
// window is shown or becomes active. It is only ever hidden, never closed for good.
class OverviewWindow : public QWidget {
    Q_OBJECT

public:
    explicit OverviewWindow(const Engine& engine, QWidget* parent = nullptr);

signals:
    void activated();
    // "Zavřít": the window is hidden and the main window is to come to the front.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void listAbbreviations();

    const Engine& engine_;
    QListWidget* abbreviationList_;
};

} // namespace vemlik
