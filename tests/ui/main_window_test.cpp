#include "program_under_test.h"
#include "status_panels.h"

#include <QClipboard>
#include <QGroupBox>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTabBar>

// The main window and its overview: first activation, menu choices, page entry, access keys,
// activation, status bar, end, layout, and what a screen reader hears of the controls.
class MainWindowTest : public QObject, vemlik::testing::ProgramFixture {
    Q_OBJECT

private:
    QLineEdit* Text1 = nullptr;
    QListWidget* menu = nullptr;

    QString panels() const {
        return program->control<QLabel>("Panel4")->text() + '|' +
               program->control<QLabel>("Panel5")->text();
    }

    // Page 1 holding a conversion line, its result and the error marker.
    void fillSinglePage() {
        program->choose(0);
        program->type(Text1, "12 furlong");
        Text1->setText("36 km/h");
        program->control("Text2")->setText("10,000 m/s");
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

    static QString heard(QWidget* widget, QAccessible::Text text = QAccessible::Name) {
        return QAccessible::queryAccessibleInterface(widget)->text(text);
    }

    // Without a name of its own a control is heard by the caption of the frame around it, which
    // doesn't say what the control holds.
    static bool named(QWidget* control) {
        const auto* frame = qobject_cast<QGroupBox*>(control->parentWidget());
        return !heard(control).isEmpty() && (frame == nullptr || heard(control) != frame->title());
    }

    static bool activate(QWidget* window) {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }

    // The list of the overview once the overview, the only one, is the active window.
    static QListWidget* overviewList() {
        QList<QWidget*> windows = QApplication::topLevelWidgets();
        windows.removeIf([](const QWidget* window) { return window->objectName() != "F_Prehled"; });
        return windows.size() == 1 && QTest::qWaitForWindowActive(windows[0])
                   ? windows[0]->findChild<QListWidget*>("T_Zkratky")
                   : nullptr;
    }

private slots:
    void init() {
        QVERIFY(restart());
        Text1 = program->control("Text1");
        menu = program->lblNabidka;
    }

    // The first activation shows the menu, which is chosen from by Enter or a double click. A
    // caption's click or access key enters its page, which empties it; Ctrl+Tab, which would pass
    // page entry by, changes nothing. The shown page's "Nové zadání" takes Alt+N at every press,
    // as the check box takes Alt+U, rather than the caption that shares the key.
    void pagesEnteredByMenuCaptionsAndKeys() {
        QVERIFY(program->SSTab1->currentIndex() == 0 && menu->hasFocus() &&
                menu->currentRow() == 0);
        QCOMPARE(panels(), "| 0 +  91");
        fillSinglePage();
        program->click("Command4");
        const QPoint entry1 = menu->visualItemRect(menu->item(1)).center();
        QTest::mouseClick(menu->viewport(), Qt::LeftButton, {}, entry1);
        QTest::mouseDClick(menu->viewport(), Qt::LeftButton, {}, entry1);
        QVERIFY(program->SSTab1->currentIndex() == 2 && singlePageEmpty());

        menu->setCurrentRow(0);
        QTest::keyClick(menu, Qt::Key_Enter);
        QCOMPARE(program->SSTab1->currentIndex(), 1);
        fillSinglePage();
        for (const Qt::KeyboardModifiers modifiers : {Qt::KeyboardModifiers(Qt::ControlModifier),
                                                      Qt::ControlModifier | Qt::ShiftModifier}) {
            QTest::keyClick(Text1, Qt::Key_Tab, modifiers);
            QVERIFY(program->SSTab1->currentIndex() == 1 && Text1->text() == "36 km/h");
        }
        clickCaption(1);
        QVERIFY(singlePageEmpty() && Text1->hasFocus());
        clickCaption(0);
        Text1->setText("36 km/h");
        QTest::keyClick(menu, Qt::Key_J, Qt::AltModifier);
        QVERIFY(Text1->hasFocus() && Text1->text().isEmpty());
        for (int press = 0; press < 2; ++press) {
            Text1->setText("km/h");
            QTest::keyClick(Text1, Qt::Key_N, Qt::AltModifier);
            QTRY_VERIFY(program->SSTab1->currentIndex() == 1 && Text1->text().isEmpty());
        }
        program->choose(1);
        auto* box = program->control<QCheckBox>("chkSoubor");
        for (const bool expected : {true, false}) {
            QTest::keyClick(program->control("Text3"), Qt::Key_U, Qt::AltModifier);
            QVERIFY(program->SSTab1->currentIndex() == 2 && box->isChecked() == expected);
        }
    }

    // Every activation lists every row in the overview; the main window's own activation
    // empties the page only after the overview, and counts the user rows.
    void activationOnlyAfterTheOverview() {
        fillSinglePage();
        menu->setCurrentRow(2);
        // Another window that is not the overview, as a message box is.
        QWidget other;
        other.show();
        QVERIFY(activate(&other) && activate(program->window) && !singlePageEmpty());

        program->click("Command3");
        QListWidget* list = overviewList();
        QVERIFY(list && list->count() == 91 && list->item(90)->text() == "mi");
        list->setCurrentRow(10);
        // Added while the overview is the active window.
        QVERIFY(vemlik::testing::addUnitOfTwoMetres(program->engine(), "versta"));
        QVERIFY(vemlik::testing::addUnitOfTwoMetres(program->engine(), "m"));
        QVERIFY(activate(program->window) && singlePageEmpty());
        QVERIFY(program->SSTab1->currentIndex() == 1 && menu->currentRow() == 2);
        QCOMPARE(panels(), "Prevody.kfc| 2 +  91");
        QVERIFY(activate(list->window()));
        QVERIFY(list->count() == 93 && list->currentRow() == 0);
        QCOMPARE(list->item(91)->text() + ' ' + list->item(92)->text(), "versta m");
        QTest::mouseClick(list->window()->findChild<QAbstractButton*>("Command1"), Qt::LeftButton);
        QTRY_VERIFY(program->window->isActiveWindow() && !list->window()->isVisible());
    }

    // The sentences speak of conversions in ordinary words; the program's name stands only in
    // the title and the heading.
    void sentencesNameTheConversionNotTheProgram() {
        // As written, without the joiners that keep words whole.
        const auto text = [this](const char* name) {
            return program->control<QLabel>(name)->text().remove(QChar(0x2060));
        };
        QStringList entries;
        for (int row = 0; row < menu->count(); ++row) {
            entries.append(menu->item(row)->text());
        }
        QCOMPARE(entries,
                 QStringList({"Přepočet jednotlivých dat", "Přepočet bloku stejných dat",
                              "Přehled dostupných jednotek",
                              "Přidání dalších uživatelských převodů", "Konec činnosti programu"}));
        QCOMPARE(program->SSTab1->tabText(3), "&Uživ.převody");
        QVERIFY(text("Label3").startsWith("Přepočet jednotlivých dat. Rozměr "));
        QVERIFY(text("Label3").contains("Provádí se přepočet do základních jednotek soustavy SI "
                                        "(m,s,kg,K,I,mol,cd).       Např. 36 km/h se přepočte na "
                                        "10  m/s. Ve "));
        QVERIFY(
            text("Label7").endsWith("  nebo přepočet stupňů Fahrenheita na Celsia    C 450 F. "
                                    "  Přepočet z anglických měr na cm/min:  cm/min 12 ft/hr."));
        QCOMPARE(QStringList({text("Label8"), program->control<QGroupBox>("Frame2")->title(),
                              text("Label12"), text("Label18")}),
                 QStringList({"Slouží k přepočtu tabulky dat se stejným rozměrem", " Přepočet ",
                              "Přepočtená číselná hodnota",
                              "Výsledky bloku přepočtu v pořadí původní a přepočtená hodnota"}));
        QStringList shown("lblNabidka: " + entries.join(u' '));
        for (const QLabel* label : program->window->findChildren<QLabel*>()) {
            shown.append(label->objectName() + ": " + label->text());
        }
        for (const QGroupBox* frame : program->window->findChildren<QGroupBox*>()) {
            shown.append(frame->objectName() + ": " + frame->title());
        }
        QCOMPARE(shown.filter("Vemlik"),
                 QStringList("Label1: " + program->control<QLabel>("Label1")->text()));
    }

    // The status panels at their widths with room for their texts, labels and buttons wide
    // enough for their texts.
    void everyTextShowsWhole() {
        auto* bar = program->control<vemlik::StatusPanels>("StatusBar1");
        bar->setUserFileName("Prevody.kfc");
        const auto panel = [this](const char* name) { return program->control<QLabel>(name); };
        QCOMPARE(QList<int>({panel("Panel1")->width(), panel("Panel2")->width(),
                             panel("Panel3")->width()}),
                 QList<int>({71, 94, 135}));
        QVERIFY(bar->width() - panel("Panel5")->geometry().right() <= 4);
        QStringList faults;
        for (const QLabel* cell : {panel("Panel4"), panel("Panel5")}) {
            const QFontMetrics metrics = cell->fontMetrics();
            if (cell->contentsRect().width() - metrics.horizontalAdvance(cell->text()) <
                2 * metrics.horizontalAdvance(u' ')) {
                faults.append(cell->text());
            }
        }
        for (QLabel* label : program->window->findChildren<QLabel*>()) {
            if (label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                                  : label->size().expandedTo(label->sizeHint()) != label->size()) {
                faults.append(label->objectName());
            }
        }
        for (QAbstractButton* button : program->window->findChildren<QAbstractButton*>()) {
            if (!button->isHidden() && button->sizeHint().width() > button->width()) {
                faults.append(button->objectName());
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u' ')));
    }

    // Every focusable control of both windows has a name, taken from what explains it on screen.
    // Pasting an empty clipboard or selection as a window system hands them over, data without a
    // single format, also once the program that copied has ended while a context menu was open,
    // leaves every field as it was. Escape only hides the overview: the menu and the pages'
    // buttons show the same one again. The window system is asked for a frame that minimizes and
    // closes the main window, but offers no maximizing of a window that keeps its size; closing
    // it ends the run.
    void namesPastingKeysAndFrames() {
        program->choose(2);
        QListWidget* list = overviewList();
        QVERIFY(list && list->hasFocus() && list->selectedItems() == QList{list->item(0)});
        QClipboard* clipboard = QGuiApplication::clipboard();
        QStringList nameless;
        QStringList fields;
        for (QWidget* window : {static_cast<QWidget*>(program->window), list->window()}) {
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                // A widget with a focus proxy hands the focus on; the proxy is walked itself.
                if (widget->focusPolicy() != Qt::NoFocus && widget->focusProxy() == nullptr &&
                    !widget->isHidden() && !named(widget)) {
                    nameless.append(widget->objectName() + u'/' +
                                    widget->metaObject()->className());
                }
                auto* line = qobject_cast<QLineEdit*>(widget);
                auto* table = qobject_cast<QPlainTextEdit*>(widget);
                if (line == nullptr && table == nullptr) {
                    continue;
                }
                const QMetaProperty text = widget->metaObject()->userProperty();
                text.write(widget, "36 km/h");
                clipboard->setText("vloženo");
                const std::unique_ptr<QMenu> contextMenu(line != nullptr
                                                             ? line->createStandardContextMenu()
                                                             : table->createStandardContextMenu());
                for (const QClipboard::Mode mode : {QClipboard::Clipboard, QClipboard::Selection}) {
                    clipboard->setMimeData(new QMimeData, mode);
                }
                QAction* paste = contextMenu->actions().value(5);
                QCOMPARE(paste->text(), "&Vložit\tCtrl+V");
                paste->trigger();
                QWidget* clicked = table != nullptr ? table->viewport() : widget;
                QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
                QTest::keyClick(widget, Qt::Key_Insert, Qt::ShiftModifier);
                QTest::mouseClick(clicked, Qt::MiddleButton, {}, clicked->rect().center());
                fields.append(widget->objectName() + ": " + text.read(widget).toString());
            }
        }
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(u' ')));
        QCOMPARE(fields.size(), 10);
        QCOMPARE(fields.filter("36 km/h").size(), 10);
        QCOMPARE(heard(Text1) + '|' + heard(program->control("Text10"), QAccessible::Description),
                 "Vložte číslo s rozměry k převodu|"
                 "Rozměr jednotky vyjádřený pomocí základních jednotek (např. kg2*m/s2/K ) nebo x");
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!list->window()->isVisible() && program->ended->isEmpty());
        program->choose(0);
        program->click("Command3");
        QCOMPARE(overviewList(), list);
        const Qt::WindowFlags frame = program->window->windowHandle()->flags();
        QVERIFY(frame.testFlag(Qt::WindowMinimizeButtonHint) &&
                frame.testFlag(Qt::WindowCloseButtonHint) &&
                !frame.testFlag(Qt::WindowMaximizeButtonHint));
        program->window->close();
        QCOMPARE(program->ended->count(), 1);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
