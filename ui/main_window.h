#pragma once

#include "menu_page.h"
#include "shared_results_file.h"

#include <QMainWindow>

#include <memory>

namespace vemlik {

class Dialogs;
class Engine;
class MessageSink;
class OverviewWindow;
class PageTabs;
class SinglePage;
class StatusPanels;

// frmTitl, the program's home for the whole run: the heading, the tab control with the menu
// and the three working pages, and the status bar. It owns the overview window.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(Engine& engine, Dialogs& dialogs, MessageSink& messages, QWidget* parent = nullptr);
    ~MainWindow() override;

signals:
    // The run is over; the results file is already closed.
    void programEnded();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void addPages(Dialogs& dialogs, MessageSink& messages);

    void activate();
    void pageEntry();
    void enterPage(int index);
    void refreshCounts();
    void chooseMenuEntry(MenuPage::Entry entry);
    void showMenu();
    void showOverview();
    void endProgram();

    Engine& engine_;
    SharedResultsFile results_;
    PageTabs* tabs_;
    StatusPanels* statusPanels_;
    MenuPage* menu_ = nullptr;
    SinglePage* single_ = nullptr;
    std::unique_ptr<OverviewWindow> overview_;
    // Until the first activation or page entry is over.
    bool firstActivationDue_ = true;
    // Coming back from the overview window is an activation; from another program it is not.
    bool overviewWasActive_ = false;
};

} // namespace vemlik
