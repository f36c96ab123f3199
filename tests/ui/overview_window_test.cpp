#include "program_under_test.h"

// The overview F_Prehled: its list follows the unit table at every activation.
class OverviewWindowTest : public QObject, vemlik::testing::ProgramFixture {
    Q_OBJECT

private:
    static QList<QWidget*> overviewWindows() {
        QList<QWidget*> windows = QApplication::topLevelWidgets();
        windows.removeIf([](const QWidget* window) { return window->objectName() != "F_Prehled"; });
        return windows;
    }

    static bool activate(QWidget* window) {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }

    // Menu entry 2; the list of the overview once it is the active window.
    QListWidget* openFromMenu() {
        program->choose(2);
        QWidget* overview = overviewWindows().value(0);
        return overview != nullptr && QTest::qWaitForWindowActive(overview)
                   ? overview->findChild<QListWidget*>(QStringLiteral("T_Zkratky"))
                   : nullptr;
    }

private slots:
    void init() { QVERIFY(restart()); }

    void listsEveryRowOnEachActivation() {
        QListWidget* list = openFromMenu();
        QVERIFY(list);
        QCOMPARE(list->count(), 91);
        QCOMPARE(list->item(0)->text() + ' ' + list->item(90)->text(), "m mi");
        list->setCurrentRow(10);
        QVERIFY(vemlik::addUserUnit(program->state.units, "versta", 1066.8, 5));
        QVERIFY(vemlik::addUserUnit(program->state.units, "m", 1, 5));
        QVERIFY(activate(program->window.get()) && activate(list->window()));
        QCOMPARE(list->count(), 93);
        QCOMPARE(list->item(91)->text() + ' ' + list->item(92)->text(), "versta m");
        QCOMPARE(list->currentRow(), 0);
    }

    // Escape only hides the window: the menu and the pages' buttons show the same one again.
    void keysOfTheListAndOneWindow() {
        QListWidget* list = openFromMenu();
        QVERIFY(list && list->hasFocus());
        QTest::keyClick(list, Qt::Key_Return);
        QTest::keyClick(list, Qt::Key_Down);
        QVERIFY(list->window()->isVisible() && list->currentRow() == 1);
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!list->window()->isVisible() && program->ended->isEmpty());
        QCOMPARE(openFromMenu(), list);
        QVERIFY(activate(program->window.get()));
        program->choose(0);
        program->click("Command3");
        QCOMPARE(overviewWindows(), QList<QWidget*>{list->window()});
        QTRY_VERIFY(list->window()->isActiveWindow());
    }
};

QTEST_MAIN(OverviewWindowTest)
#include "overview_window_test.moc"
