#include "qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <functional>

// The real boxes and the real file dialog, looked at while they are open.
class QtDialogsTest : public QObject {
    Q_OBJECT

private:
    vemlik::QtDialogs dialogs;

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

private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Vemlik")); }

    void messageBoxCarriesTheProgramsNameIconAndText() {
        whenOpen<QMessageBox>([&](QMessageBox* box) {
            QCOMPARE(box->windowTitle(), QStringLiteral("Vemlik"));
            QCOMPARE(box->icon(), QMessageBox::Warning);
            QCOMPARE(box->text(), QStringLiteral("Neznámý rozměr: žžž"));
            QCOMPARE(box->standardButtons(), QMessageBox::Ok);
            box->button(QMessageBox::Ok)->click();
        });
        dialogs.showMessage(QStringLiteral("Neznámý rozměr: žžž"));
    }

    void questionDefaultsToYes() {
        whenOpen<QMessageBox>([&](QMessageBox* box) {
            QCOMPARE(box->icon(), QMessageBox::Question);
            QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
            box->button(QMessageBox::No)->click();
        });
        QVERIFY(!dialogs.askYesNo(QStringLiteral("Převod versta bude zapsán do souboru")));
    }

    void fileDialogTakesANewName() {
        const QString name = QDir::temp().filePath(QStringLiteral("vemlik-novy-soubor.pre"));
        QFile::remove(name);
        whenOpen<QFileDialog>([&](QFileDialog* dialog) {
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(dialog->nameFilters(),
                     QStringList{QStringLiteral("Soubor s převody *.pre (*.pre)")});
            dialog->selectFile(name);
            static_cast<QDialog*>(dialog)->accept();
        });
        QCOMPARE(dialogs.chooseResultsFileName(QStringLiteral("Soubor s převody *.pre|*.pre")),
                 name);
        QVERIFY(!QFile::exists(name));

        whenOpen<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
        QVERIFY(dialogs.chooseResultsFileName(QStringLiteral("A|*.a")).isEmpty());
    }
};

QTEST_MAIN(QtDialogsTest)
#include "qt_dialogs_test.moc"
