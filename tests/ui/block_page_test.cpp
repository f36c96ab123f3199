#include "program_under_test.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using vemlik::testing::ProgramUnderTest;

namespace {

const std::string kHead = "\r\nVýchozí rozměr  Požadovaný rozměr\r\n";

} // namespace

// The block conversion page through its widgets, the results file through its bytes.
class BlockPageTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramUnderTest> program;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text6 = nullptr;
    QPlainTextEdit* Text8 = nullptr;
    QCheckBox* chkSoubor = nullptr;

    void enterPage(int entry) {
        auto* menu = program->control<QListWidget>("lblNabidka");
        menu->setCurrentRow(entry);
        QTest::keyClick(menu, Qt::Key_Return);
    }

    void enterUnits(const QString& source, const QString& target) {
        Text3->clear();
        Text4->clear();
        ProgramUnderTest::typeAndPress(Text3, source, Qt::Key_Return);
        QVERIFY(Text4->hasFocus());
        ProgramUnderTest::typeAndPress(Text4, target, Qt::Key_Return);
        QVERIFY(Text5->hasFocus());
    }

    // Escape, then the value and Enter, as the page asks for it.
    void convert(const QString& value) {
        QTest::keyClick(Text5, Qt::Key_Escape);
        ProgramUnderTest::typeAndPress(Text5, value, Qt::Key_Return);
    }

    std::string resultsFileName() const { return program->directory.fileName("blok.pre"); }

    void wantResultsFile() {
        program->dialogs.chosenFileName = QString::fromStdString(resultsFileName());
        QTest::mouseClick(chkSoubor, Qt::LeftButton);
        QVERIFY(chkSoubor->isChecked());
        QVERIFY(Text3->hasFocus());
    }

    std::string resultsFile() const { return program->directory.read("blok.pre"); }

private slots:
    void init() {
        program = std::make_unique<ProgramUnderTest>();
        QVERIFY(program->start());
        Text3 = program->control<QLineEdit>("Text3");
        Text4 = program->control<QLineEdit>("Text4");
        Text5 = program->control<QLineEdit>("Text5");
        Text6 = program->control<QLineEdit>("Text6");
        Text8 = program->control<QPlainTextEdit>("Text8");
        chkSoubor = program->control<QCheckBox>("chkSoubor");
        enterPage(1);
        QVERIFY(Text3->hasFocus());
    }
    void cleanup() { program.reset(); }

    void convertsValuesIntoRows() {
        enterUnits(QStringLiteral("km/h"), QStringLiteral("m/s"));
        convert(QStringLiteral("154,5"));
        QCOMPARE(Text5->text(), QStringLiteral("154.5"));
        QCOMPARE(Text6->text(), QStringLiteral("42,917"));
        QVERIFY(Text5->hasFocus());
        convert(QStringLiteral("36"));
        ProgramUnderTest::typeAndPress(Text5, QString(), Qt::Key_Return);
        QCOMPARE(Text8->toPlainText(), QStringLiteral("154.5\t42,917\n36\t10,000\n36\t10,000\n"));
        QVERIFY(program->dialogs.messages.isEmpty());
    }

    void commaRulesAndNumberForms_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("result");
        QTest::newRow("two commas") << "1,234,5"
                                    << "1.234,5"
                                    << "1,2340";
        QTest::newRow("hexadecimal") << "&H1F"
                                     << "&H1F"
                                     << "31,000";
        QTest::newRow("no digits") << ""
                                   << ""
                                   << "0,0000E00";
    }
    void commaRulesAndNumberForms() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, result);
        enterUnits(QStringLiteral("m"), QStringLiteral("m"));
        convert(typed);
        QCOMPARE(Text5->text(), shown);
        QCOMPARE(Text6->text(), result);
        QCOMPARE(Text8->toPlainText(), shown + u'\t' + result + u'\n');
    }

    void temperaturesKeepTheirZeroPoints() {
        enterUnits(QStringLiteral("C"), QStringLiteral("K"));
        convert(QStringLiteral("20"));
        QCOMPARE(Text6->text(), QStringLiteral("293,15"));
    }

    void valuesWaitForAGoodUnitPair() {
        convert(QStringLiteral("1"));
        const QString refusal =
            QStringLiteral("Nejprve zadejte platný vstupní a požadovaný rozměr!");
        QCOMPARE(program->dialogs.messages, QStringList(refusal));
        enterUnits(QStringLiteral("km/h"), QStringLiteral("kg"));
        QCOMPARE(program->dialogs.messages.size(), 2);
        convert(QStringLiteral("1"));
        QCOMPARE(program->dialogs.messages.value(2), refusal);
        QVERIFY(Text6->text().isEmpty() && Text8->toPlainText().isEmpty());
        enterUnits(QStringLiteral("km/h"), QStringLiteral("m/s"));
        convert(QStringLiteral("36"));
        QCOMPARE(Text6->text(), QStringLiteral("10,000"));
    }

    void sectionsAreAppendedAroundASingleConversion() {
        program->directory.write("blok.pre", "stará data\r\n");
        wantResultsFile();
        enterUnits(QStringLiteral("km/h"), QStringLiteral("m/s"));
        convert(QStringLiteral("36"));
        QTest::mouseClick(program->control<QPushButton>("Command8"), Qt::LeftButton);
        QCOMPARE(program->state.resultsFileFlag, 0);
        QVERIFY(Text3->hasFocus() && Text8->toPlainText().isEmpty());

        // Opened again without a dialog; an empty table still writes its frame.
        convert(QString());
        QCOMPARE(
            program->dialogs.messages,
            QStringList(QStringLiteral("Nejprve zadejte platný vstupní a požadovaný rozměr!")));
        enterUnits(QStringLiteral("C"), QStringLiteral("K"));
        convert(QStringLiteral("20"));
        Text8->clear();
        QTest::mouseClick(program->control<QPushButton>("Command6"), Qt::LeftButton);

        enterPage(0);
        program->control<QCheckBox>("chkSoubj")->setChecked(true);
        ProgramUnderTest::typeAndPress(program->control<QLineEdit>("Text1"),
                                       QStringLiteral("36 km/h"), Qt::Key_Return);
        enterPage(1);
        QTest::mouseClick(program->control<QPushButton>("Command6"), Qt::LeftButton);

        QCOMPARE(program->dialogs.fileDialogFilters,
                 QStringList(QStringLiteral("Soubor s výslednou tabulkou *.pre|*.pre")));
        QCOMPARE(resultsFile(),
                 "stará data\r\n" + kHead + "km/h            m/s\r\n36\t10,000\r\n \r\n" + kHead +
                     "C               K\r\n \r\n" + "36 km/h       =  10,000 m/s\r\n" + kHead +
                     std::string(16, ' ') + "\r\n \r\n");
    }

    void writerStopsAtALineOfOneBlank() {
        wantResultsFile();
        enterUnits(QStringLiteral("C"), QStringLiteral("K"));
        convert(QStringLiteral("20"));
        Text8->moveCursor(QTextCursor::End);
        Text8->insertPlainText(QStringLiteral(" \nnapsáno navíc\n"));
        QTest::mouseClick(program->control<QPushButton>("Command5"), Qt::LeftButton);
        QCOMPARE(program->ended->size(), 1);
        QCOMPARE(resultsFile(), kHead + "C               K\r\n20\t293,15\r\n \r\n");
    }
};

QTEST_MAIN(BlockPageTest)
#include "block_page_test.moc"
