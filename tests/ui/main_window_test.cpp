#include "program_under_test.h"
#include "status_panels.h"

#include <QLabel>
#include <QTabBar>
#include <QTextLayout>

using vemlik::testing::ProgramUnderTest;

// The main window: first activation, menu choices, page entry, activation, status bar, end.
class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramUnderTest> program;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* Label6 = nullptr;

    QString panel(int number) const {
        return program->control<vemlik::StatusPanels>("StatusBar1")->panelText(number);
    }

    // Page 1 holding a conversion line, its result and the error marker.
    void fillSinglePage() {
        program->choose(0);
        ProgramUnderTest::type(Text1, QStringLiteral("12 furlong"));
        Text1->setText(QStringLiteral("36 km/h"));
        Text2->setText(QStringLiteral("10,000 m/s"));
        QCOMPARE(Label6->text(), QStringLiteral("CHYBA !"));
    }

    bool singlePageEmpty() const {
        return Text1->text().isEmpty() && Text2->text().isEmpty() && Label6->text().isEmpty();
    }

    void clickCaption(int index) const {
        QTest::mouseClick(program->SSTab1->tabBar(), Qt::LeftButton, {},
                          program->SSTab1->tabBar()->tabRect(index).center());
    }

private slots:
    void init() {
        program = std::make_unique<ProgramUnderTest>();
        QVERIFY(program->start());
        Text1 = program->control("Text1");
        Text2 = program->control("Text2");
        Label6 = program->control<QLabel>("Label6");
    }
    void cleanup() { program.reset(); }

    void firstActivationShowsTheMenu() {
        QCOMPARE(program->SSTab1->currentIndex(), 0);
        QVERIFY(program->lblNabidka->hasFocus());
        QCOMPARE(program->lblNabidka->currentRow(), 0);
        QCOMPARE(panel(4), QString());
        QCOMPARE(panel(5), QStringLiteral(" 0 +  91"));
        QCOMPARE(program->window->size(), QSize(530, 436));
    }

    void menuChoicesByEnterAndDoubleClick() {
        fillSinglePage();
        program->click("Command4");
        QVERIFY(program->lblNabidka->hasFocus());
        QCOMPARE(Text1->text(), QStringLiteral("36 km/h"));

        const QRect entry1 = program->lblNabidka->visualItemRect(program->lblNabidka->item(1));
        QTest::mouseClick(program->lblNabidka->viewport(), Qt::LeftButton, {}, entry1.center());
        QTest::mouseDClick(program->lblNabidka->viewport(), Qt::LeftButton, {}, entry1.center());
        QCOMPARE(program->SSTab1->currentIndex(), 2);
        QVERIFY(singlePageEmpty());

        program->lblNabidka->setCurrentRow(0);
        QTest::keyClick(program->lblNabidka, Qt::Key_Enter);
        QCOMPARE(program->SSTab1->currentIndex(), 1);

        program->lblNabidka->clearSelection();
        program->SSTab1->selectPage(0);
        QTest::keyClick(program->lblNabidka, Qt::Key_Return);
        QCOMPARE(program->SSTab1->currentIndex(), 0);

        program->choose(4);
        QCOMPARE(program->ended->count(), 1);
    }

    void pageEntryOncePerCaptionClickAccessKeyOrFocus() {
        QSignalSpy entries(program->SSTab1, &vemlik::PageTabs::entered);
        fillSinglePage();
        clickCaption(1);
        QCOMPARE(entries.count(), 1);
        QVERIFY(singlePageEmpty());
        QVERIFY(Text1->hasFocus());

        clickCaption(0);
        QCOMPARE(entries.count(), 2);
        QVERIFY(program->lblNabidka->hasFocus());

        Text1->setText(QStringLiteral("36 km/h"));
        QTest::keyClick(program->lblNabidka, Qt::Key_J, Qt::AltModifier);
        QCOMPARE(entries.count(), 3);
        QVERIFY(Text1->hasFocus() && Text1->text().isEmpty());

        // Backwards from the first field of page 1 the tab bar is next.
        Text1->setText(QStringLiteral("36 km/h"));
        QTest::keyClick(Text1, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(entries.count(), 4);
        QVERIFY(Text1->hasFocus() && Text1->text().isEmpty());

        // Pages change by their captions only.
        QTest::keyClick(Text1, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(program->SSTab1->currentIndex(), 1);
    }

    // Also where the user rows are counted: every activation shows them.
    void activationOnlyAfterTheOverview() {
        fillSinglePage();
        program->lblNabidka->setCurrentRow(2);

        // Another window that is not the overview, as a message box is.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        program->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(program->window.get()));
        QCOMPARE(Label6->text(), QStringLiteral("CHYBA !"));

        QVERIFY(vemlik::addUserUnit(program->state.units, "versta", 1066.8, 5));
        program->click("Command3");
        QTRY_VERIFY(QApplication::activeWindow() &&
                    QApplication::activeWindow()->objectName() == QStringLiteral("F_Prehled"));
        QWidget* overview = QApplication::activeWindow();
        QTest::mouseClick(overview->findChild<QAbstractButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QTRY_VERIFY(program->window->isActiveWindow());
        QVERIFY(!overview->isVisible());
        QVERIFY(singlePageEmpty());
        QCOMPARE(program->SSTab1->currentIndex(), 1);
        QCOMPARE(program->lblNabidka->currentRow(), 2);
        QCOMPARE(panel(4), QStringLiteral("Prevody.kfc"));
        QCOMPARE(panel(5), QStringLiteral(" 1 +  91"));
    }

    void statusPanelsFillTheBarWithTheirTextsWhole() {
        auto* bar = program->control<vemlik::StatusPanels>("StatusBar1");
        bar->setUserFileName(QStringLiteral("Prevody.kfc"));
        const auto panel = [this](int number) {
            return program->control<QLabel>(qPrintable(QStringLiteral("Panel%1").arg(number)));
        };
        const QList<int> tabledWidths = {71, 94, 135};
        for (int number = 1; number <= 3; ++number) {
            QCOMPARE(panel(number)->width(), tabledWidths[number - 1]);
        }
        for (int number = 4; number <= 5; ++number) {
            const QFontMetrics metrics = panel(number)->fontMetrics();
            const int room = panel(number)->contentsRect().width() -
                             metrics.horizontalAdvance(panel(number)->text());
            QVERIFY2(room >= 2 * metrics.horizontalAdvance(u' '),
                     qPrintable(panel(number)->text()));
        }
        QVERIFY(bar->width() - panel(5)->geometry().right() <= 4);
    }

    void closingTheWindowEndsTheProgramWithTheResultsFileClosed() {
        program->dialogs.chosenFileName = program->directory.fileName("a.pre").c_str();
        program->choose(0);
        program->click("chkSoubj");
        ProgramUnderTest::type(Text1, QStringLiteral("36 km/h"));
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
            layout.setTextOption(QTextOption(Qt::AlignLeft));
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
            const bool fits = label->wordWrap()
                                  ? label->heightForWidth(label->width()) <= label->height()
                                  : label->sizeHint().width() <= label->width() &&
                                        label->sizeHint().height() <= label->height();
            if (!fits) {
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
