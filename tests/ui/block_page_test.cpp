#include "program_under_test.h"

#include <QPlainTextEdit>

#include <filesystem>

const std::string kHead = "\r\nVýchozí rozměr  Požadovaný rozměr\r\n";
const QString kRefusal = "Nejprve zadejte platný vstupní a požadovaný rozměr!";

// The block conversion page through its widgets, the results file through its bytes.
class BlockPageTest : public QObject, vemlik::testing::ProgramFixture {
    Q_OBJECT

private:
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;

    void enterUnits(const QString& source, const QString& target) {
        Text3->clear();
        Text4->clear();
        program->type(Text3, source);
        QVERIFY(Text4->hasFocus());
        program->type(Text4, target);
        QVERIFY(Text5->hasFocus());
    }

    QString table() const { return program->control<QPlainTextEdit>("Text8")->toPlainText(); }

    // Escape, then the value and Enter, as the page asks for it.
    void convert(const QString& value) {
        QTest::keyClick(Text5, Qt::Key_Escape);
        program->type(Text5, value);
    }

private slots:
    void init() {
        QVERIFY(restart());
        Text3 = program->control("Text3");
        Text4 = program->control("Text4");
        Text5 = program->control("Text5");
        program->choose(1);
        QVERIFY(Text3->hasFocus());
    }

    // Only the first comma becomes a point; &H marks a hexadecimal value.
    void convertsValuesIntoRows() {
        const QString values[][3] = {{"154,5", "154.5", "42,917"},
                                     {"1,234,5", "1.234,5", "0,34278"},
                                     {"&H24", "&H24", "10,000"}};
        enterUnits("km/h", "m/s");
        QString rows;
        for (const auto& [typed, shown, result] : values) {
            convert(typed);
            QCOMPARE(typed + " -> " + Text5->text() + " = " + program->control("Text6")->text(),
                     typed + " -> " + shown + " = " + result);
            QVERIFY(Text5->hasFocus());
            rows += shown + u'\t' + result + u'\n';
        }
        QCOMPARE(table(), rows);
        QVERIFY(program->dialogs.messages.isEmpty());
        // Beyond the range of a double: told, and no row.
        enterUnits("m", "nm");
        for (const QString& value : {QString("1e300"), "&H" + QString(300, u'F')}) {
            convert(value);
            QVERIFY2(program->control("Text6")->text().isEmpty(), qPrintable(value.left(5)));
        }
        QCOMPARE(program->dialogs.messages, QStringList(2, "Výsledek je mimo rozsah!"));
        QCOMPARE(table(), rows);
    }

    // Values wait for a unit pair that converts. A table is written as a section, and the file
    // closed, when the page is left or started anew; the single conversion page writes into the
    // same file.
    void sectionsAreAppendedAroundASingleConversion() {
        enterUnits("km/h", "kg");
        convert("1");
        program->directory.write("blok.pre", "stará data\r\n");
        program->dialogs.chosenFileName = program->directory.fileName("blok.pre").c_str();
        program->click("chkSoubor");
        QVERIFY(program->control<QCheckBox>("chkSoubor")->isChecked() && Text3->hasFocus());
        enterUnits("km/h", "m/s");
        convert("36");
        program->click("Command8");
        QVERIFY(Text3->hasFocus() && table().isEmpty());

        // Opened again without a dialog.
        convert(QString());
        QCOMPARE(program->dialogs.messages.mid(1), QStringList({kRefusal, kRefusal}));
        enterUnits("C", "K");
        convert("20");
        program->click("Command6");

        program->choose(0);
        program->control<QCheckBox>("chkSoubj")->setChecked(true);
        program->type(program->control("Text1"), "36 km/h");
        // Page entry has emptied the page; the end still writes the frame of an empty table.
        program->choose(1);
        program->click("Command5");
        QCOMPARE(program->ended->size(), 1);

        QCOMPARE(program->dialogs.fileDialogFilters,
                 QStringList{"Soubor s výslednou tabulkou *.pre|*.pre"});
        QCOMPARE(program->directory.read("blok.pre"),
                 "stará data\r\n" + kHead + "km/h            m/s\r\n36\t10,000\r\n \r\n" + kHead +
                     "C               K\r\n20\t293,15\r\n \r\n" +
                     "36 km/h       =  10,000 m/s\r\n" + kHead + std::string(16, ' ') +
                     "\r\n \r\n");
    }

    // A table whose section was not written stays on the page with its unit pair, and the next
    // press of a button tries again; the end asks before it lets the table go.
    void unwrittenTableStaysUntilWrittenOrGivenUp() {
#ifdef _WIN32
        QSKIP("wine deletes a file that is open only when it is closed; Windows has no /dev/full");
#endif
        const auto startTable = [this](const QString& fileName) {
            program->dialogs.chosenFileName = fileName;
            program->click("chkSoubor");
            enterUnits("km/h", "m/s");
            convert("36");
        };
        const auto keptAfter = [this](const char* button, const QString& message) {
            program->dialogs.messages.clear();
            program->click(button);
            QCOMPARE(program->dialogs.messages, QStringList(message));
            QVERIFY(program->SSTab1->currentIndex() == 2 && program->ended->isEmpty());
            QCOMPARE(Text3->text() + '|' + Text4->text() + '|' + table(), "km/h|m/s|36\t10,000\n");
        };
        const std::string fileName = program->directory.fileName("blok.pre");
        startTable(fileName.c_str());
        std::filesystem::remove(fileName);
        keptAfter("Command8", QStringLiteral("Soubor %1 již neexistuje!").arg(fileName.c_str()));
        program->click("Command8");
        QVERIFY(table().isEmpty() && Text3->text().isEmpty());
        QCOMPARE(program->directory.read("blok.pre"),
                 kHead + "km/h            m/s\r\n36\t10,000\r\n \r\n");

        init();
        startTable("/dev/full");
        program->dialogs.answerYes = false;
        for (const char* button : {"Command6", "Command5"}) {
            keptAfter(button, "Zápis do souboru /dev/full se nezdařil!");
        }
        program->dialogs.answerYes = true;
        program->click("Command5");
        QCOMPARE(program->dialogs.questions,
                 QStringList(2, "Tabulka nebyla zapsána do souboru, skončit bez ní?"));
        QCOMPARE(program->ended->size(), 1);
    }
};

QTEST_MAIN(BlockPageTest)
#include "block_page_test.moc"
