#include "czech_qt_texts.h"
#include "private_home.h"
#include "qt_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
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
    // The file dialog keeps its state in the user's settings: a home of the test's own.
    const vemlik::testing::PrivateHome home;

    // Qt's Czech text for one of its English texts; a text that the translation leaves in
    // English comes back marked, so that it never matches a button.
    static QString czech(const char* context, const char* english) {
        const QString text = QCoreApplication::translate(context, english);
        return text == QLatin1String(english) ? "untranslated " + text : text;
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

private slots:
    void initTestCase() {
        QApplication::setApplicationName("Vemlik");
        QVERIFY(vemlik::installCzechQtTexts());
    }

    void boxesCarryTheProgramsNameIconTextAndCzechButtons() {
        whenOpen<QMessageBox>([&](QMessageBox* box) {
            QCOMPARE(box->windowTitle() + '|' + box->text(), "Vemlik|Neznámý rozměr: žžž");
            QVERIFY(box->icon() == QMessageBox::Warning &&
                    box->standardButtons() == QMessageBox::Ok);
            box->button(QMessageBox::Ok)->click();
        });
        dialogs.showMessage("Neznámý rozměr: žžž");
        whenOpen<QMessageBox>([&](QMessageBox* box) {
            QVERIFY(box->icon() == QMessageBox::Question &&
                    box->defaultButton() == box->button(QMessageBox::Yes));
            QCOMPARE(box->button(QMessageBox::Yes)->text(), czech("QPlatformTheme", "&Yes"));
            QCOMPARE(box->button(QMessageBox::No)->text(), czech("QPlatformTheme", "&No"));
            box->button(QMessageBox::No)->click();
        });
        QVERIFY(!dialogs.askYesNo("Převod versta bude zapsán do souboru"));
    }

    // Closed, the dialog gives no name; accepted, the new name, without creating the file.
    void fileDialogShowsTheDescriptionAloneAndCzechButtons() {
        const QString filter = "Soubor s výslednou tabulkou *.pre|*.pre";
        const QString name = QDir::temp().filePath("vemlik-novy-soubor.pre");
        QFile::remove(name);
        for (const bool accept : {false, true}) {
            whenOpen<QFileDialog>([&](QFileDialog* dialog) {
                QCOMPARE(dialog->findChild<QComboBox*>("fileTypeCombo")->currentText(),
                         "Soubor s výslednou tabulkou *.pre");
                const auto* buttons = dialog->findChild<QDialogButtonBox*>();
                QCOMPARE(buttons->button(QDialogButtonBox::Save)->text(),
                         czech("QFileDialog", "&Save"));
                QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(),
                         czech("QPlatformTheme", "Cancel"));
                dialog->selectFile(name);
                accept ? static_cast<QDialog*>(dialog)->accept() : dialog->reject();
            });
            QCOMPARE(dialogs.chooseResultsFileName(filter), accept ? name : QString());
        }
        QVERIFY(!QFile::exists(name));
    }
};

QTEST_MAIN(QtDialogsTest)
#include "qt_dialogs_test.moc"
