#include "program_under_test.h"

#include <algorithm>

using vemlik::testing::ProgramUnderTest;

// The overview F_Prehled: its list follows the unit table at every activation.
class OverviewWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramUnderTest> program;

    static QList<QWidget*> overviewWindows() {
        QList<QWidget*> windows = QApplication::topLevelWidgets();
        windows.removeIf([](const QWidget* window) { return window->objectName() != "F_Prehled"; });
        return windows;
    }

    // Menu entry 2; the list of the overview once it is the active window.
    QListWidget* openFromMenu() {
        program->choose(2);
        QWidget* overview = overviewWindows().value(0);
        return overview != nullptr && QTest::qWaitForWindowActive(overview)
                   ? overview->findChild<QListWidget*>(QStringLiteral("T_Zkratky"))
                   : nullptr;
    }

    bool activate(QWidget* window) const {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }

private slots:
    void init() {
        program = std::make_unique<ProgramUnderTest>();
        QVERIFY(program->start());
    }
    void cleanup() { program.reset(); }

    void listsEveryRowOnEachActivation() {
        QListWidget* T_Zkratky = openFromMenu();
        QVERIFY(T_Zkratky);
        QCOMPARE(T_Zkratky->count(), 91);
        QCOMPARE(T_Zkratky->item(0)->text(), QStringLiteral("m"));
        QCOMPARE(T_Zkratky->item(90)->text(), QStringLiteral("mi"));
        QCOMPARE(T_Zkratky->currentRow(), 0);

        T_Zkratky->setCurrentRow(10);
        QVERIFY(vemlik::addUserUnit(program->state.units, "versta", 1066.8, 5));
        QVERIFY(vemlik::addUserUnit(program->state.units, "m", 1, 5));
        QVERIFY(activate(program->window.get()));
        QVERIFY(activate(T_Zkratky->window()));
        QCOMPARE(T_Zkratky->count(), 93);
        QCOMPARE(T_Zkratky->item(91)->text() + ' ' + T_Zkratky->item(92)->text(), "versta m");
        QCOMPARE(T_Zkratky->currentRow(), 0);
    }

    // Escape only hides the window: the menu and the pages' buttons show the same one again.
    void keysOfTheListAndOneWindow() {
        QListWidget* T_Zkratky = openFromMenu();
        QVERIFY(T_Zkratky && T_Zkratky->hasFocus());
        QTest::keyClick(T_Zkratky, Qt::Key_Return);
        QVERIFY(T_Zkratky->window()->isVisible());
        QTest::keyClick(T_Zkratky, Qt::Key_Down);
        QCOMPARE(T_Zkratky->currentRow(), 1);
        QTest::keyClick(T_Zkratky, Qt::Key_Escape);
        QVERIFY(!T_Zkratky->window()->isVisible());
        QCOMPARE(program->ended->count(), 0);
        QCOMPARE(openFromMenu(), T_Zkratky);
        QVERIFY(activate(program->window.get()));
        program->choose(0);
        program->click("Command3");
        QCOMPARE(overviewWindows(), QList<QWidget*>{T_Zkratky->window()});
        QTRY_VERIFY(T_Zkratky->window()->isActiveWindow());
    }
};

QTEST_MAIN(OverviewWindowTest)
#include "overview_window_test.moc"
