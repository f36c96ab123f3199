#include "private_home.h"
#include "program.h"
#include "qt_dialogs.h"
#include "temporary_directory.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <csignal>
#include <fstream>
#include <functional>
#include <memory>

// The program as it starts: its name, its desktop entry and icon, the Prevody.kfc beside the
// executable, broken pipes ignored, Qt's texts in Czech, the real boxes and file dialog looked at
// while they are open, and an end from the menu that ends the event loop.
class ProgramTest : public QObject {
    Q_OBJECT

private:
    // Also the file dialog keeps its state there, in the user's settings.
    const vemlik::testing::PrivateHome home;
    // Beside this test's executable, as the program's Prevody.kfc lies beside vemlik.
    const QString userFileName = QApplication::applicationDirPath() + "/Prevody.kfc";
    vemlik::QtDialogs dialogs;
    std::unique_ptr<vemlik::Program> program;

    // Qt's Czech text for one of its English texts; a text that the translation leaves in
    // English comes back marked, so that it never matches a button.
    static QString czech(const char* context, const char* english) {
        const QString text = QCoreApplication::translate(context, english);
        return text == QLatin1String(english) ? "untranslated " + text : text;
    }

    // The rows of the file dialog's detailed list in the order of their names, their columns
    // joined by '|', after the row of its headers.
    static QStringList listed(const QTreeView* list) {
        const QAbstractItemModel* model = list->model();
        QStringList rows;
        QStringList headers;
        for (int column = 0; column < model->columnCount(list->rootIndex()); ++column) {
            headers.append(model->headerData(column, Qt::Horizontal).toString());
        }
        for (int row = 0; row < model->rowCount(list->rootIndex()); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(list->rootIndex()); ++column) {
                cells.append(model->index(row, column, list->rootIndex()).data().toString());
            }
            rows.append(cells.join(u'|'));
        }
        rows.sort();
        return QStringList(headers.join(u'|')) + rows;
    }

    // Runs the check on the modal dialog once it is open; the call that opened it returns when
    // the check has closed it, or when a failed check has returned early and left it open.
    template <typename Dialog> static void whenOpen(std::function<void(Dialog*)> check) {
        QTimer::singleShot(0, [check] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            const auto closeAnyway = qScopeGuard([dialog] {
                if (dialog != nullptr && dialog->isVisible()) {
                    dialog->reject();
                }
            });
            QVERIFY(dialog);
            check(dialog);
        });
    }

    static bool shownAsTyped(const QMessageBox* box) {
        const auto* label = box->findChild<QLabel*>("qt_msgbox_label");
        return label != nullptr && label->textFormat() == Qt::PlainText;
    }

private slots:
    // Made once, as the program itself is.
    void initTestCase() {
        std::ofstream(userFileName.toStdString(), std::ios::binary) << "versta, 1066.8 , 5 \r\n";
#ifndef _WIN32
        std::signal(SIGPIPE, SIG_DFL);
#endif
        program = std::make_unique<vemlik::Program>(dialogs);
        QFile::remove(userFileName);
    }

    void startsWithItsIdentityAndTheUserFileBesideIt() {
        // The desktop entry's name, and the icon built into the program at one size.
        QCOMPARE(QApplication::applicationName() + ' ' + QGuiApplication::desktopFileName(),
                 "Vemlik cz.vemlik.Vemlik");
        QCOMPARE(program->window().windowIcon().availableSizes(), QList<QSize>{QSize(48, 48)});
#ifndef _WIN32
        // A write into a pipe without a reader fails like any other instead of ending the run.
        struct sigaction brokenPipe {};
        QVERIFY(sigaction(SIGPIPE, nullptr, &brokenPipe) == 0 && brokenPipe.sa_handler == SIG_IGN);
#endif
        program->window().show();
        QVERIFY(QTest::qWaitForWindowActive(&program->window()));
        QCOMPARE(program->window().findChild<QLabel*>("Panel4")->text() + '|' +
                     program->window().findChild<QLabel*>("Panel5")->text(),
                 "Prevody.kfc| 1 +  91");
    }

    // What the user typed is shown as typed, never as markup.
    void boxesCarryTheProgramsNameIconTextAndCzechButtons() {
        whenOpen<QMessageBox>([&](QMessageBox* box) {
            QCOMPARE(box->windowTitle() + '|' + box->text(), "Vemlik|Neznámý rozměr: <b>žžž");
            QVERIFY(box->icon() == QMessageBox::Warning &&
                    box->standardButtons() == QMessageBox::Ok && shownAsTyped(box));
            box->button(QMessageBox::Ok)->click();
        });
        dialogs.showMessage("Neznámý rozměr: <b>žžž");
        whenOpen<QMessageBox>([&](QMessageBox* box) {
            QVERIFY(box->icon() == QMessageBox::Question &&
                    box->defaultButton() == box->button(QMessageBox::Yes) && shownAsTyped(box));
            QCOMPARE(box->button(QMessageBox::Yes)->text(), czech("QPlatformTheme", "&Yes"));
            QCOMPARE(box->button(QMessageBox::No)->text(), czech("QPlatformTheme", "&No"));
            box->button(QMessageBox::No)->click();
        });
        QVERIFY(!dialogs.askYesNo("Převod <i>versta</i> bude zapsán do souboru"));
    }

    // Closed, the dialog gives no name; accepted, the new name, without creating the file. It
    // shows the filter's description alone and Czech buttons. On a folder with a subfolder and a
    // file every word of its list, its headers and its sizes, types and dates, is Czech, also
    // where Qt takes words from the locale (run under LANG=C and under Czech settings).
    void fileDialogIsCzech() {
        const QString filter = "Soubor s výslednou tabulkou *.pre|*.pre";
        const vemlik::testing::TemporaryDirectory folder;
        const QString name = QDir(folder.path()).filePath("novy-soubor.pre");
        QVERIFY(QDir(folder.path()).mkdir("podslozka"));
        folder.write("vysledky.pre", "36 km/h       =  10,000 m/s\r\n");
        // Czech words, and those of the names in the folder.
        const QStringList shownWords = {"Název",   "Velikost", "Typ",       "Datum",    "změny",
                                        "Složka",  "souborů",  "Soubor",    "bajtů",    "prostý",
                                        "textový", "dokument", "podslozka", "vysledky", "pre"};
        for (const bool accept : {false, true}) {
            whenOpen<QFileDialog>([&](QFileDialog* dialog) {
                QCOMPARE(dialog->findChild<QComboBox*>("fileTypeCombo")->currentText(),
                         "Soubor s výslednou tabulkou *.pre");
                const auto* buttons = dialog->findChild<QDialogButtonBox*>();
                QCOMPARE(buttons->button(QDialogButtonBox::Save)->text(),
                         czech("QFileDialog", "&Save"));
                QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(),
                         czech("QPlatformTheme", "Cancel"));
                // In the folder of the name.
                dialog->selectFile(name);
                const auto* list = dialog->findChild<QTreeView*>("treeView");
                // Sizes and types come after the names, from a thread of the dialog's model.
                QStringList rows;
                const auto typed = [&] {
                    rows = listed(list);
                    return rows.size() == 3 && !rows.value(1).section(u'|', 2, 2).isEmpty() &&
                           !rows.value(2).section(u'|', 2, 2).isEmpty();
                };
                QTRY_VERIFY(typed());
                // Qt names a folder's type as the system's file manager does: "Složka", on
                // Windows "Složka souborů".
                QVERIFY2(rows.value(1).startsWith("podslozka||Složka") &&
                             rows.value(2).startsWith("vysledky.pre|29 bajtů|"),
                         qPrintable(rows.join(u'\n')));
                QStringList foreign =
                    rows.join(u' ').split(QRegularExpression("[^\\p{L}]+"), Qt::SkipEmptyParts);
                foreign.removeIf([&](const QString& word) { return shownWords.contains(word); });
                QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(u' ')));
                accept ? static_cast<QDialog*>(dialog)->accept() : dialog->reject();
            });
            QCOMPARE(dialogs.chooseResultsFileName(filter), accept ? name : QString());
        }
        QVERIFY(!QFile::exists(name));
    }

    void endsFromTheMenu() {
        auto* menu = program->window().findChild<QListWidget*>("lblNabidka");
        QTimer::singleShot(0, menu, [menu] {
            menu->setCurrentRow(4);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        // An event loop still running after the end would leave with 1.
        QTimer::singleShot(5000, qApp, [] { QApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
