#include "main_window.h"

#include "block_page.h"
#include "controls.h"
#include "engine_state.h"
#include "fonts.h"
#include "overview_window.h"
#include "page_tabs.h"
#include "single_page.h"
#include "status_panels.h"
#include "twips.h"
#include "unit_table.h"
#include "user_page.h"

#include <QCloseEvent>

namespace vemlik {

namespace {

enum PageIndex { MenuPageIndex, SinglePageIndex, BlockPageIndex, UserPageIndex };

} // namespace

MainWindow::MainWindow(EngineState& state, Dialogs& dialogs, MessageSink& messages, QWidget* parent)
    : QMainWindow(parent), state_(state), results_(dialogs) {
    setObjectName(QStringLiteral("frmTitl"));
    setWindowTitle(QStringLiteral("  V E M L I K"));
    setFont(windowFont());
    setFixedSize(twipsSize(7950, 6540));

    auto* client = new QWidget(this);
    setCentralWidget(client);
    makeLabel(client, "Label1",
              QStringLiteral("Vemlik mezi různými soustavami fyzikálních jednotek"),
              {120, 120, 6375, 375}, layoutFont(12));
    tabs_ = new PageTabs(client);
    tabs_->setGeometry(twipsRect(120, 480, 7695, 5655));
    addPages(dialogs, messages);
    tabs_->selectPage(UserPageIndex);
    connect(tabs_, &PageTabs::entered, this, &MainWindow::pageEntry);

    statusPanels_ = new StatusPanels(this);
    setStatusBar(statusPanels_);
    fitLabelsToText(this);
    nameAfterLabels(this, {{"lblNabidka", "Label2"},
                           {"Text1", "Label4"},
                           {"Text2", "Label5"},
                           {"Text3", "Label9"},
                           {"Text4", "Label10"},
                           {"Text5", "Label11"},
                           {"Text6", "Label12"},
                           {"Text8", "Label18"},
                           {"Text9", "Label20"},
                           {"Text10", "Label21"},
                           {"Text11", "Label22"}});
}

MainWindow::~MainWindow() = default;

void MainWindow::addPages(Dialogs& dialogs, MessageSink& messages) {
    // Made inside the tab control's window from the start, so that their tab orders hold.
    menu_ = new MenuPage(tabs_);
    single_ = new SinglePage(state_, messages, results_, tabs_);
    tabs_->addPage(menu_, QStringLiteral("&Nabídka"));
    tabs_->addPage(single_, QStringLiteral(" &Jednotlivá data"));
    tabs_->addPage(new BlockPage(state_, dialogs, messages, results_, tabs_),
                   QStringLiteral("&Blok dat"));
    tabs_->addPage(new UserPage(state_, dialogs, messages, tabs_), QStringLiteral("&Uživ.Vemlik"));
    for (int index = SinglePageIndex; index <= UserPageIndex; ++index) {
        connectPage(tabs_->page(index));
    }
    connect(menu_, &MenuPage::entryChosen, this, &MainWindow::chooseMenuEntry);
}

void MainWindow::connectPage(Page* page) {
    connect(page, &Page::menuRequested, this, &MainWindow::showMenu);
    connect(page, &Page::overviewRequested, this, &MainWindow::showOverview);
    connect(page, &Page::endRequested, this, &MainWindow::endProgram);
    connect(page, &Page::countsChanged, this, &MainWindow::refreshCounts);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The first display is the first activation, also where the window system shows the
    // window without activating it.
    if (firstActivationDue_) {
        activate();
    }
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && overviewWasActive_) {
        overviewWasActive_ = false;
        activate();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    endProgram();
    event->accept();
}

void MainWindow::activate() {
    statusPanels_->setUserFileName(
        state_.units.userRowCount > 0 ? QString::fromLatin1(kUserConversionFileName) : QString());
    refreshCounts();
    // The conversion line, its result and the error marker "CHYBA !".
    single_->clearForPageEntry();
    if (firstActivationDue_) {
        pageEntry();
        tabs_->selectPage(MenuPageIndex);
    }
    firstActivationDue_ = false;
}

void MainWindow::pageEntry() {
    for (int index = MenuPageIndex; index <= UserPageIndex; ++index) {
        tabs_->page(index)->clearForPageEntry();
    }
    firstActivationDue_ = false;
    tabs_->page(tabs_->currentIndex())->firstField()->setFocus();
}

void MainWindow::enterPage(int index) {
    tabs_->selectPage(index);
    pageEntry();
}

void MainWindow::refreshCounts() {
    statusPanels_->showCounts(state_.units.userRowCount,
                              state_.units.rowCount - state_.units.userRowCount);
}

void MainWindow::chooseMenuEntry(MenuPage::Entry entry) {
    switch (entry) {
    case MenuPage::SingleConversions:
        enterPage(SinglePageIndex);
        break;
    case MenuPage::BlockConversions:
        enterPage(BlockPageIndex);
        break;
    case MenuPage::Overview:
        showOverview();
        break;
    case MenuPage::UserConversions:
        enterPage(UserPageIndex);
        break;
    case MenuPage::End:
        endProgram();
        break;
    }
}

void MainWindow::showMenu() {
    tabs_->selectPage(MenuPageIndex);
    menu_->firstField()->setFocus();
}

void MainWindow::showOverview() {
    if (!overview_) {
        overview_ = std::make_unique<OverviewWindow>(state_.units);
        // Beside the main window, so that both can be seen.
        overview_->move(frameGeometry().topRight() + QPoint(1, 0));
        connect(overview_.get(), &OverviewWindow::activated, this,
                [this] { overviewWasActive_ = true; });
        connect(overview_.get(), &OverviewWindow::closed, this, [this] {
            show();
            raise();
            activateWindow();
        });
    }
    overview_->show();
    overview_->raise();
    overview_->activateWindow();
}

void MainWindow::endProgram() {
    results_.close();
    emit programEnded();
}

} // namespace vemlik
