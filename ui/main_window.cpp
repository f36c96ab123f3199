#include "main_window.h"

#include "block_page.h"
#include "controls.h"
#include "fonts.h"
#include "overview_window.h"
#include "page_tabs.h"
#include "single_page.h"
#include "status_panels.h"
#include "twips.h"
#include "user_page.h"
#include "vemlik/engine.h"

#include <QCloseEvent>
#include <QFileInfo>

#include <array>

namespace vemlik {

namespace {

// The pages in the order of their captions.
enum PageIndex { MenuPageIndex, SinglePageIndex, BlockPageIndex, UserPageIndex, PageCount };

constexpr std::array<const char*, PageCount> kCaptions = {"&Nabídka", " &Jednotlivá data",
                                                          "&Blok dat", "&Uživ.převody"};

} // namespace

MainWindow::MainWindow(Engine& engine, Dialogs& dialogs, MessageSink& messages, QWidget* parent)
    : QMainWindow(parent), engine_(engine), results_(engine, dialogs) {
    setObjectName(QStringLiteral("frmTitl"));
    setWindowTitle(QStringLiteral("  V E M L I K"));
    setFont(windowFont());
    setFixedSize(twipsSize(7950, 6540));
    // The window keeps its size, so its frame offers no maximizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

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
    nameFieldsAfterLabels(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::addPages(Dialogs& dialogs, MessageSink& messages) {
    // Made inside the tab control's window from the start, so that their tab orders hold.
    menu_ = new MenuPage(tabs_);
    single_ = new SinglePage(engine_, messages, results_, tabs_);
    std::array<Page*, PageCount> pages{};
    pages[MenuPageIndex] = menu_;
    pages[SinglePageIndex] = single_;
    pages[BlockPageIndex] = new BlockPage(engine_, dialogs, messages, results_, tabs_);
    pages[UserPageIndex] = new UserPage(engine_, dialogs, messages, tabs_);
    for (int index = 0; index < PageCount; ++index) {
        Page* page = pages[static_cast<std::size_t>(index)];
        tabs_->addPage(page, QString::fromUtf8(kCaptions[static_cast<std::size_t>(index)]));
        connect(page, &Page::menuRequested, this, &MainWindow::showMenu);
        connect(page, &Page::overviewRequested, this, &MainWindow::showOverview);
        connect(page, &Page::endRequested, this, &MainWindow::endProgram);
        connect(page, &Page::countsChanged, this, &MainWindow::refreshCounts);
    }
    connect(menu_, &MenuPage::entryChosen, this, &MainWindow::chooseMenuEntry);
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
    const QString userFile = QFileInfo(QString::fromStdString(engine_.userFileName())).fileName();
    statusPanels_->setUserFileName(engine_.counts().userRows > 0 ? userFile : QString());
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
    for (int index = 0; index < PageCount; ++index) {
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
    const UnitCounts counts = engine_.counts();
    statusPanels_->showCounts(counts.userRows, counts.builtInRows);
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
        overview_ = std::make_unique<OverviewWindow>(engine_);
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
