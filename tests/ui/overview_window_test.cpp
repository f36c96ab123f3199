#include "program_under_test.h"

#include <QAbstractButton>
#include <QListWidget>

using vemlik::testing::ProgramUnderTest;

// The overview F_Prehled: its list follows the unit table at every activation.
class OverviewWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramUnderTest> program;

    // Menu entry 2; the overview once it is the active window.
    QWidget* openFromMenu() {
        auto* lblNabidka = program->control<QListWidget>("lblNabidka");
        lblNabidka->setCurrentRow(2);
        QTest::keyClick(lblNabidka, Qt::Key_Return);
        QWidget* overview = overviewWindows().value(0);
        return overview != nullptr && QTest::qWaitForWindowActive(overview) ? overview : nullptr;
    }

    static QList<QWidget*> overviewWindows() {
        QList<QWidget*> found;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QStringLiteral("F_Prehled")) {
                found.append(window);
            }
        }
        return found;
    }

    static QStringList lines(const QListWidget* list) {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row) {
            texts.append(list->item(row)->text());
        }
        return texts;
    }

private slots:
    void init() {
        program = std::make_unique<ProgramUnderTest>();
        QVERIFY(program->start());
    }
    void cleanup() { program.reset(); }

    void listsEveryRowOnEachActivation() {
        QWidget* overview = openFromMenu();
        QVERIFY(overview);
        QCOMPARE(overview->windowTitle(), QStringLiteral("Zkratky jednotek"));
        auto* T_Zkratky = overview->findChild<QListWidget*>(QStringLiteral("T_Zkratky"));
        QCOMPARE(T_Zkratky->count(), 91);
        QCOMPARE(T_Zkratky->item(0)->text(), QStringLiteral("m"));
        QCOMPARE(T_Zkratky->item(90)->text(), QStringLiteral("mi"));
        QCOMPARE(T_Zkratky->currentRow(), 0);

        T_Zkratky->setCurrentRow(10);
        QVERIFY(vemlik::addUserUnit(program->state, "versta", 1066.8, 5));
        QVERIFY(vemlik::addUserUnit(program->state, "m", 1, 5));
        program->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(program->window.get()));
        overview->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(overview));
        const QStringList listed = lines(T_Zkratky);
        QCOMPARE(listed.size(), 93);
        QCOMPARE(listed.mid(90), (QStringList{"mi", "versta", "m"}));
        QCOMPARE(listed.count(QStringLiteral("m")), 2);
        QCOMPARE(T_Zkratky->currentRow(), 0);
    }

    void oneWindowForTheMenuAndTheButtons() {
        QVERIFY(openFromMenu());
        auto* lblNabidka = program->control<QListWidget>("lblNabidka");
        lblNabidka->setCurrentRow(0);
        program->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(program->window.get()));
        QTest::keyClick(lblNabidka, Qt::Key_Return);
        QTest::mouseClick(program->control<QAbstractButton>("Command3"), Qt::LeftButton);
        QCOMPARE(overviewWindows().size(), 1);
        QTRY_VERIFY(overviewWindows().first()->isActiveWindow());
    }

    void keysOfTheList() {
        QWidget* overview = openFromMenu();
        QVERIFY(overview);
        auto* T_Zkratky = overview->findChild<QListWidget*>(QStringLiteral("T_Zkratky"));
        QVERIFY(T_Zkratky->hasFocus());
        QTest::keyClick(T_Zkratky, Qt::Key_Return);
        QVERIFY(overview->isVisible());
        QTest::keyClick(T_Zkratky, Qt::Key_Down);
        QCOMPARE(T_Zkratky->currentRow(), 1);
        QTest::keyClick(T_Zkratky, Qt::Key_Escape);
        QVERIFY(!overview->isVisible());
        QCOMPARE(program->ended->count(), 0);
        QCOMPARE(overviewWindows().size(), 1);
    }
};

QTEST_MAIN(OverviewWindowTest)
#include "overview_window_test.moc"
