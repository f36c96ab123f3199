#ifndef _WIN32
#include "cli_process.h"
#endif
#include "program_under_test.h"

#include <QDir>

#include <tuple>

// The single conversion page through its widgets, the results file through its bytes, and
// vemlik-cli on the same lines. A user unit is known.
class SinglePageTest : public QObject, vemlik::testing::ProgramFixture {
    Q_OBJECT

private:
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QCheckBox* chkSoubj = nullptr;

    void convert(const QString& line) {
        Text1->clear();
        program->type(Text1, line);
    }

    // The marker beside the result, and what a screen reader hears with the conversion line.
    QString errorMarker() const {
        return program->control<QLabel>("Label6")->text() + '|' +
               QAccessible::queryAccessibleInterface(Text1)->text(QAccessible::Description);
    }

    // Checks chkSoubj and names the results file the dialog is to answer with.
    void wantResultsFile(const QString& fileName) {
        program->dialogs.chosenFileName = fileName;
        QTest::mouseClick(chkSoubj, Qt::LeftButton);
        QVERIFY(chkSoubj->isChecked());
    }

private slots:
    void init() {
        QVERIFY(restart("versta, 1066.8 , 5 \r\n"));
        program->choose(0);
        Text1 = program->control("Text1");
        Text2 = program->control("Text2");
        chkSoubj = program->control<QCheckBox>("chkSoubj");
        QVERIFY(Text1->hasFocus());
    }

    // Every successful conversion is appended to the results file. "Nové zadání" empties the
    // line and the result but leaves the error marker; Escape empties all.
    void appendsEverySuccessfulConversionAndShowsAnErrorUntilEscape() {
        program->directory.write("vysledky.pre", "stará data\r\n");
        wantResultsFile(program->directory.fileName("vysledky.pre").c_str());
        convert("cm/min 12 ft/hr");
        QVERIFY(Text2->text() == "6,0960 cm/min" && errorMarker() == "|" && Text1->hasFocus());
        // An empty line converts too: the last value, without a unit.
        convert(QString());
        convert("12 furlong");
        QCOMPARE(program->dialogs.messages.size(), 1);
        QVERIFY(Text2->text().isEmpty() && errorMarker() == "CHYBA !|CHYBA !");
        // Written on, also with the check box cleared, while the file is open.
        QTest::mouseClick(chkSoubj, Qt::LeftButton);
        convert("36 km/h");
        QVERIFY(Text2->text() == "10,000 m/s" && errorMarker() == "CHYBA !|CHYBA !");
        program->click("Command2");
        QVERIFY(Text1->text().isEmpty() && Text2->text().isEmpty() && Text1->hasFocus());
        QCOMPARE(errorMarker(), "CHYBA !|CHYBA !");
        convert("1 m");
        QTest::keyClick(Text1, Qt::Key_Escape);
        QVERIFY(Text1->text().isEmpty() && Text2->text().isEmpty() && errorMarker() == "|");

        QCOMPARE(program->dialogs.fileDialogFilters, QStringList{"Soubor s převody *.pre|*.pre"});
        QCOMPARE(program->directory.read("vysledky.pre"),
                 "stará data\r\n"
                 "cm/min 12 ft/hr             =  6,0960 cm/min\r\n"
                 "              =  6,0960 \r\n"
                 "36 km/h       =  10,000 m/s\r\n"
                 "1 m           =  1,0000 m\r\n");
    }

    // The conversion is shown all the same; the file is closed and told about once. A dialog
    // closed without a name asks again; a name that opened is used again.
    void resultsFileThatCannotBeUsed() {
        const std::tuple<QString, QString, qsizetype> failures[] = {
            {QString(), QString(), 2}, {"/dev/full", "Zápis do souboru /dev/full se nezdařil!", 1}};
        for (const auto& [fileName, message, dialogsShown] : failures) {
            init();
            wantResultsFile(fileName);
            convert("36 km/h");
            convert("36 km/h");
            const QString row = "'" + fileName + "': ";
            QCOMPARE(row + program->dialogs.messages.join(u'|') + " / " + Text2->text(),
                     row + message + " / 10,000 m/s");
            QVERIFY2(!chkSoubj->isChecked(), qPrintable(row));

            wantResultsFile(program->directory.fileName("b.pre").c_str());
            convert("36 km/h");
            QVERIFY2(program->dialogs.fileDialogFilters.size() == dialogsShown, qPrintable(row));
            QCOMPARE(program->directory.read("b.pre"),
                     dialogsShown == 2 ? "36 km/h       =  10,000 m/s\r\n" : "");
        }
    }

    // A results file whose folder is removed while open is told about, not written into. Its
    // name, which then no longer opens, is told about once and forgotten: the next result asks
    // for another file.
    void resultsFileThatVanishes() {
#ifdef _WIN32
        QSKIP("wine deletes a file that is open only when it is closed, and keeps its folder");
#endif
        const QString folder = program->directory.fileName("vysledky").c_str();
        QVERIFY(QDir().mkdir(folder));
        wantResultsFile(folder + "/a.pre");
        convert("36 km/h");
        QVERIFY(QDir(folder).removeRecursively());
        convert("36 km/h");
        QVERIFY(!chkSoubj->isChecked());
        for (int check = 0; check < 2; ++check) {
            wantResultsFile(program->directory.fileName("b.pre").c_str());
            convert("36 km/h");
        }
        QCOMPARE(program->dialogs.messages.join(u'|'),
                 QStringLiteral("Soubor %1/a.pre již neexistuje!|Soubor %1/a.pre nelze otevřít pro "
                                "zápis!")
                     .arg(folder));
        QCOMPARE(program->dialogs.fileDialogFilters.size(), 2);
        QCOMPARE(program->directory.read("b.pre"), "36 km/h       =  10,000 m/s\r\n");
    }

    // vemlik-cli converts lines of every kind into the texts the page shows and reports the
    // same messages: results with and without a target (then in the last item's unit), a
    // temperature scale, several items, errors and a result out of range with the lines after
    // them, messages without an error, empty lines, Czech letters and the user unit.
    void batchToolGivesWhatThePageShows() {
#ifdef _WIN32
        QSKIP("vemlik-cli.exe is started by a POSIX shell, which Windows lacks");
#else
        const std::string lines[] = {
            "36 km/h",           "cm/min 12 ft/hr", "C 100 F",      "F 100 C",   "m 5 s",
            "5 km; 3 min",       "5 xyz*m/abc",     "12ft/hr",      "",          "   ",
            "1e999 m",           "1 000 m",         "1E30 kWh",     "-150,5 mW", "5 žlab",
            "m 3 versta",        "2,5 versta/h",    "m 5 km; 3 ft", "5 km;;3 m", "mol 5 6 7",
            "154,5 kcal/m2/h/C", "1e-44 m"};
        vemlik::testing::CliRun page{"", "", 1};
        std::string input;
        for (std::size_t index = 0; index < std::size(lines); ++index) {
            program->dialogs.messages.clear();
            convert(QString::fromStdString(lines[index]));
            // After an error the page shows "CHYBA !" beside an empty result. A blank line, for
            // which the page shows the value before once more, gets an empty line from the tool.
            const bool blank = lines[index].find_first_not_of(' ') == std::string::npos;
            const std::string shown = Text2->text().toStdString();
            page.output += (blank ? "" : shown.empty() ? "CHYBA !" : shown) + '\n';
            for (const QString& message : program->dialogs.messages) {
                page.errors +=
                    "řádek " + std::to_string(index + 1) + ": " + message.toStdString() + '\n';
            }
            input += lines[index] + '\n';
        }
        const std::string userFile = program->home.userFileName();
        QCOMPARE(vemlik::testing::runCli({"--separator", ",", "--prevody", userFile}, input), page);
        // The user unit did reach both, so its lines compare results rather than two errors.
        QVERIFY(page.output.find("3200,40 m\n") != std::string::npos);
#endif
    }
};

QTEST_MAIN(SinglePageTest)
#include "single_page_test.moc"
