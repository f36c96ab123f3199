#include "program_under_test.h"
#include "status_panels.h"

#include <QLabel>
#include <QTabBar>
#include <QTextLayout>

// The main window: first activation, menu choices, page entry, activation, status bar, end.
class MainWindowTest : public QObject, vemlik::testing::ProgramFixture {
    Q_OBJECT

private:
    QLineEdit* Text1 = nullptr;
    QListWidget* menu = nullptr;

    QString panels() const {
        const auto* bar = program->control<vemlik::StatusPanels>("StatusBar1");
        return bar->panelText(4) + '|' + bar->panelText(5);
    }

    // Page 1 holding a conversion line, its result and the error marker.
    void fillSinglePage() {
        program->choose(0);
        program->type(Text1, QStringLiteral("12 furlong"));
        Text1->setText(QStringLiteral("36 km/h"));
        program->control("Text2")->setText(QStringLiteral("10,000 m/s"));
        QCOMPARE(program->control<QLabel>("Label6")->text(), "CHYBA !");
    }

    bool singlePageEmpty() const {
        return Text1->text().isEmpty() && program->control("Text2")->text().isEmpty() &&
               program->control<QLabel>("Label6")->text().isEmpty();
    }

    void clickCaption(int index) const {
        QTabBar* bar = program->SSTab1->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }

private slots:
    void init() {
        QVERIFY(restart());
        Text1 = program->control("Text1");
        menu = program->lblNabidka;
    }

    void firstActivationShowsTheMenu() {
        QVERIFY(program->SSTab1->currentIndex() == 0 && menu->hasFocus() &&
                menu->currentRow() == 0);
        QCOMPARE(panels(), "| 0 +  91");
        QCOMPARE(program->window->size(), QSize(530, 436));
    }

    void menuChoicesByEnterAndDoubleClick() {
        fillSinglePage();
        program->click("Command4");
        QVERIFY(menu->hasFocus() && Text1->text() == "36 km/h");

        const QPoint entry1 = menu->visualItemRect(menu->item(1)).center();
        QTest::mouseClick(menu->viewport(), Qt::LeftButton, {}, entry1);
        QTest::mouseDClick(menu->viewport(), Qt::LeftButton, {}, entry1);
        QVERIFY(program->SSTab1->currentIndex() == 2 && singlePageEmpty());

        menu->setCurrentRow(0);
        QTest::keyClick(menu, Qt::Key_Enter);
        QCOMPARE(program->SSTab1->currentIndex(), 1);

        menu->clearSelection();
        program->SSTab1->selectPage(0);
        QTest::keyClick(menu, Qt::Key_Return);
        QCOMPARE(program->SSTab1->currentIndex(), 0);
    }

    void pageEntryOncePerCaptionClickAccessKeyOrFocus() {
        QSignalSpy entries(program->SSTab1, &vemlik::PageTabs::entered);
        fillSinglePage();
        clickCaption(1);
        QVERIFY(entries.count() == 1 && singlePageEmpty() && Text1->hasFocus());
        clickCaption(0);
        QVERIFY(entries.count() == 2 && menu->hasFocus());

        Text1->setText(QStringLiteral("36 km/h"));
        QTest::keyClick(menu, Qt::Key_J, Qt::AltModifier);
        QVERIFY(entries.count() == 3 && Text1->hasFocus() && Text1->text().isEmpty());

        // Backwards from the first field of page 1 the tab bar is next.
        Text1->setText(QStringLiteral("36 km/h"));
        QTest::keyClick(Text1, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(entries.count() == 4 && Text1->hasFocus() && Text1->text().isEmpty());

        // Pages change by their captions only.
        QTest::keyClick(Text1, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(program->SSTab1->currentIndex(), 1);
    }

    // Also where the user rows are counted: every activation shows them.
    void activationOnlyAfterTheOverview() {
        fillSinglePage();
        menu->setCurrentRow(2);

        // Another window that is not the overview, as a message box is.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        program->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(program->window.get()));
        QVERIFY(!singlePageEmpty());

        QVERIFY(vemlik::addUserUnit(program->state.units, "versta", 1066.8, 5));
        program->click("Command3");
        QWidget* overview = nullptr;
        QTRY_VERIFY((overview = QApplication::activeWindow()) && overview != program->window.get());
        QTest::mouseClick(overview->findChild<QAbstractButton*>("Command1"), Qt::LeftButton);
        QTRY_VERIFY(program->window->isActiveWindow());
        QVERIFY(!overview->isVisible() && singlePageEmpty());
        QVERIFY(program->SSTab1->currentIndex() == 1 && menu->currentRow() == 2);
        QCOMPARE(panels(), "Prevody.kfc| 1 +  91");
    }

    void statusPanelsFillTheBarWithTheirTextsWhole() {
        auto* bar = program->control<vemlik::StatusPanels>("StatusBar1");
        bar->setUserFileName(QStringLiteral("Prevody.kfc"));
        QList<QLabel*> panels;
        for (int number = 1; number <= 5; ++number) {
            panels.append(
                program->control<QLabel>(qPrintable(QStringLiteral("Panel%1").arg(number))));
        }
        QCOMPARE(QList<int>({panels[0]->width(), panels[1]->width(), panels[2]->width()}),
                 QList<int>({71, 94, 135}));
        for (const QLabel* panel : {panels[3], panels[4]}) {
            const QFontMetrics metrics = panel->fontMetrics();
            const int room =
                panel->contentsRect().width() - metrics.horizontalAdvance(panel->text());
            QVERIFY2(room >= 2 * metrics.horizontalAdvance(u' '), qPrintable(panel->text()));
        }
        QVERIFY(bar->width() - panels[4]->geometry().right() <= 4);
    }

    void closingTheWindowEndsTheProgramWithTheResultsFileClosed() {
        program->dialogs.chosenFileName = program->directory.fileName("a.pre").c_str();
        program->choose(0);
        program->click("chkSoubj");
        program->type(Text1, QStringLiteral("36 km/h"));
        program->window->close();
        QCOMPARE(program->ended->count(), 1);
        QCOMPARE(program->directory.read("a.pre"), "36 km/h       =  10,000 m/s\r\n");
    }

    void labelsBreakTheirLinesOnlyAtBlanks() {
        QStringList brokenWords;
        for (const QLabel* label : program->window->findChildren<QLabel*>()) {
            if (!label->wordWrap()) {
                continue;
            }
            // Laid out as narrow as can be, every place where the label may break is a line end.
            const QString text = label->text();
            QTextLayout layout(text, label->font());
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(1);
                const qsizetype end = line.textStart() + line.textLength();
                if (end < text.size() && !text[end - 1].isSpace()) {
                    brokenWords.append(label->objectName() + u':' +
                                       text.mid(line.textStart(), line.textLength()));
                }
            }
            layout.endLayout();
        }
        QVERIFY2(brokenWords.isEmpty(), qPrintable(brokenWords.join(u' ')));
    }

    void everyLabelAndButtonShowsItsWholeCaption() {
        QStringList cutOff;
        for (QLabel* label : program->window->findChildren<QLabel*>()) {
            const QSize hint = label->sizeHint();
            if (label->wordWrap()
                    ? label->heightForWidth(label->width()) > label->height()
                    : hint.width() > label->width() || hint.height() > label->height()) {
                cutOff.append(label->objectName());
            }
        }
        for (QAbstractButton* button : program->window->findChildren<QAbstractButton*>()) {
            if (!button->isHidden() && button->sizeHint().width() > button->width()) {
                cutOff.append(button->objectName());
            }
        }
        QVERIFY2(cutOff.isEmpty(), qPrintable(cutOff.join(u' ')));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
