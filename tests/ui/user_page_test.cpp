#include "program_under_test.h"

#include <QClipboard>
#include <QRadioButton>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

// The user conversion page through its widgets, Prevody.kfc through its bytes.
class UserPageTest : public QObject, vemlik::testing::ProgramFixture {
    Q_OBJECT

private:
    QLineEdit* Text9 = nullptr;
    QLineEdit* Text10 = nullptr;
    QLineEdit* Text11 = nullptr;

    // The three input steps and the confirmation by a second Enter. The abbreviation is pasted:
    // one as long as the box takes would take a minute to type.
    void define(const QString& abbreviation, const QString& dimension, const QString& factor) {
        QGuiApplication::clipboard()->setText(abbreviation);
        QTest::keyClick(Text9, Qt::Key_V, Qt::ControlModifier);
        program->type(Text9, QString());
        program->type(Text10, dimension);
        program->type(Text11, factor);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }

    bool entryCleared() const {
        return Text9->text().isEmpty() && Text10->text().isEmpty() && Text11->text().isEmpty() &&
               Text9->hasFocus();
    }

    // The entry named by what was typed is refused with these messages; the page starts anew.
    void expectRefused(const QString& entry, const QString& messages) {
        QCOMPARE(entry + ": " + program->dialogs.messages.join(u'|'), entry + ": " + messages);
        // Only the built-in units.
        QVERIFY2(program->engine().units().size() == 91 && entryCleared(), qPrintable(entry));
    }

    // By the arrow key, after which the focus moves on to the abbreviation all the same.
    void choosePermanent() {
        program->control<QRadioButton>("Option1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(program->control<QRadioButton>("Option2")->isChecked());
        QTRY_VERIFY(Text9->hasFocus());
    }

    // The user page of a program started on the Prevody.kfc given (none if empty).
    void startOnUserPage(std::string_view userFile = {}) {
        QVERIFY(restart(userFile));
        Text9 = program->control("Text9");
        Text10 = program->control("Text10");
        Text11 = program->control("Text11");
        program->choose(3);
        QVERIFY(Text9->hasFocus());
    }

    // Another window on the same Prevody.kfc stores a permanent unit, with an engine and a file
    // of its own: in a process of its own where there is fork(), as on Windows there is not.
    static bool storeAsAnotherWindow(const char* abbreviation) {
        vemlik::Engine engine;
        vemlik::DiscardingSink messages;
        engine.readUserFile(messages);
        const auto unit = vemlik::testing::addUnitOfTwoMetres(engine, abbreviation);
        return unit && engine.canWriteUserUnit(*unit, messages) &&
               engine.writeUserUnit(*unit, messages);
    }
    static bool storedByAnotherWindow(const char* abbreviation) {
#ifdef _WIN32
        return storeAsAnotherWindow(abbreviation);
#else
        const pid_t window = fork();
        if (window == 0) {
            _exit(storeAsAnotherWindow(abbreviation) ? 0 : 1);
        }
        int status = -1;
        return waitpid(window, &status, 0) == window && status == 0;
#endif
    }

private slots:
    void init() {
        startOnUserPage();
    }

    // A temporary unit is only kept for the run; a permanent one is written on Yes, in the bytes
    // that the user conversion file's reader takes.
    void onlyPermanentUnitsAreWrittenOnYes() {
        // The exponents at both ends of their range, and a negative factor, are taken.
        define("sah", "m5/s3", "-1.7");
        QCOMPARE(program->engine().units().back().dimensionCode, 19);
        QVERIFY(program->dialogs.questions.isEmpty() && entryCleared());

        choosePermanent();
        define("versta", "m", "1066,8");
        program->dialogs.answerYes = false;
        define("sazen", "m", "2.1336");
        program->dialogs.answerYes = true;
        define("bod", "x", "2");
        QCOMPARE(program->dialogs.questions.join(u'|'),
                 "Převod versta bude zapsán do souboru|Převod sazen bude zapsán do souboru|"
                 "Převod bod bude zapsán do souboru");
        QCOMPARE(program->engine().counts().userRows, 4);
        // Nothing lies beside the executable, so the units go to the user's data folder.
        QCOMPARE(program->home.readUserFile(),
                 std::string("versta, 1066.8 , 5 \r\nbod, 2 , 54444444 \r\n"));

        // The kind stays as the user set it until the menu sets it back.
        QVERIFY(program->control<QRadioButton>("Option2")->isChecked());
        program->click("Command12");
        QVERIFY(program->control<QRadioButton>("Option1")->isChecked());
    }

    // Prevody.kfc a directory, so that the append fails.
    void failedAppendKeepsTheRowAndSaysSo() {
        std::filesystem::create_directories(program->engine().userFileName());
        choosePermanent();
        define("versta", "m", "1066.8");
        QCOMPARE(program->dialogs.messages,
                 QStringList(QStringLiteral("Převod nelze zapsat do souboru %1, platí jen do "
                                            "ukončení programu!")
                                 .arg(program->engine().userFileName().c_str())));
        // The program goes on: the menu, then the unit on the single conversion page.
        program->click("Command12");
        program->choose(0);
        program->type(program->control("Text1"), "m 2 versta");
        QCOMPARE(program->control("Text2")->text(), "2133,60 m");
    }

    // Two windows started on a Prevody.kfc of 8 records: the file takes the unit of the window
    // that stores first, also while the other one asks, so that the next start can read every
    // record. A unit of a name that another window stored since the start is not stored again,
    // one of a name that this run knows is. Every unit stays for this run.
    void unitsOfTwoWindowsAllReadBackAtTheNextStart() {
        const std::string eight = "a, 1 , 5 \r\nb, 1 , 5 \r\nc, 1 , 5 \r\nd, 1 , 5 \r\n"
                                  "e, 1 , 5 \r\nf, 1 , 5 \r\ng, 1 , 5 \r\nh, 1 , 5 \r\n";
        for (const bool whileAsked : {false, true}) {
            startOnUserPage(eight);
            const auto anotherWindowStores = [] { QVERIFY(storedByAnotherWindow("sah")); };
            if (whileAsked) {
                program->dialogs.whileAsked = anotherWindowStores;
            } else {
                anotherWindowStores();
            }
            choosePermanent();
            define("versta", "m", "1066.8");
            QCOMPARE(program->dialogs.questions.size(), whileAsked ? 1 : 0);
            QCOMPARE(program->dialogs.messages,
                     QStringList(QStringLiteral("Tabulka jednotek je plná, převod nelze zapsat do "
                                                "souboru %1, platí jen do ukončení programu!")
                                     .arg(program->engine().userFileName().c_str())));
            QCOMPARE(program->engine().counts().userRows, 9);
            QCOMPARE(program->home.readUserFile(), eight + "sah, 2 , 5 \r\n");
        }
        startOnUserPage("loket, 0.6 , 5 \r\n");
        QVERIFY(storedByAnotherWindow("VERSTA"));
        choosePermanent();
        define("versta", "m", "1066.8");
        define("LOKET", "m", "3");
        QCOMPARE(program->dialogs.messages.join(u'|') + program->dialogs.questions.join(u'|'),
                 QStringLiteral("V souboru %1 je již jiný převod versta, tento platí jen do "
                                "ukončení programu!Převod LOKET bude zapsán do souboru")
                     .arg(program->engine().userFileName().c_str()));
        QCOMPARE(program->home.readUserFile(),
                 std::string("loket, 0.6 , 5 \r\nVERSTA, 2 , 5 \r\nLOKET, 3 , 5 \r\n"));
    }

    void refusals() {
        const QString faulty = "Pro chybné zadání nebylo zapsáno, zadejte znovu!";
        const QString name = QStringLiteral(
            "Zkratka nesmí obsahovat mezeru ani znaky , \" * / ; : ( ), nesmí začínat číslicí, "
            "znaménkem nebo tečkou a nesmí končit číslicí!");
        const QString exponent =
            "Exponent rozměru musí být v rozsahu -3 až +5, převod nebyl zapsán!";
        const QString entries[][4] = {
            {"versta", "m", "1e-10", faulty},
            {"versta", "", "2", faulty},
            {"", "m", "2", faulty},
            {"versta", "furlong", "2", "Neznamy rozmer!: furlong|" + faulty},
            {"ver sta", "m", "2", name},
            {"versta2", "m", "2", name},
            {"-versta", "m", "2", name},
            {"1versta", "m", "2", name},
            {".versta", "m", "2", name},
            // Its record would be longer than the reader takes a line.
            {QString(32767, u'ž'), "m", "2", name},
            {"versta", "m6", "2", exponent}};
        for (const auto& [abbreviation, dimension, factor, message] : entries) {
            program->dialogs.messages.clear();
            define(abbreviation, dimension, factor);
            expectRefused(abbreviation.left(10) + u'|' + dimension + u'|' + factor, message);
        }
        // A factor that is not a number is emptied, and refused at the confirmation.
        program->dialogs.messages.clear();
        program->type(Text9, "versta");
        program->type(Text10, "m");
        program->type(Text11, "1 066,8");
        QVERIFY(Text11->text().isEmpty() && Text11->hasFocus());
        program->click("Command9");
        expectRefused("1 066,8", "Faktor není numerická hodnota!|" + faulty);
        // A full table, of 100 units, takes nothing more.
        program->dialogs.messages.clear();
        while (program->engine().units().size() < 100) {
            define("versta", "m", "2");
        }
        define("sazen", "m", "2");
        QCOMPARE(program->dialogs.messages,
                 QStringList{"Tabulka jednotek je plná, další převod nelze přidat!"});
        QCOMPARE(program->engine().counts().userRows, 9);
        QVERIFY(entryCleared());
    }
};

QTEST_MAIN(UserPageTest)
#include "user_page_test.moc"
