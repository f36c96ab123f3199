#include "program_under_test.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using vemlik::testing::ProgramUnderTest;

// The user conversion page through its widgets, Prevody.kfc through its bytes.
class UserPageTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramUnderTest> program;
    QLineEdit* Text9 = nullptr;
    QLineEdit* Text10 = nullptr;
    QLineEdit* Text11 = nullptr;

    void enterUserPage() {
        auto* menu = program->control<QListWidget>("lblNabidka");
        menu->setCurrentRow(3);
        QTest::keyClick(menu, Qt::Key_Return);
        QVERIFY(Text9->hasFocus());
    }

    // The three input steps and the confirmation by a second Enter.
    void define(const QString& abbreviation, const QString& dimension, const QString& factor) {
        ProgramUnderTest::typeAndPress(Text9, abbreviation, Qt::Key_Return);
        ProgramUnderTest::typeAndPress(Text10, dimension, Qt::Key_Return);
        ProgramUnderTest::typeAndPress(Text11, factor, Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }

    const vemlik::UnitRecord& lastRow() const {
        return program->state.rows[static_cast<std::size_t>(program->state.rowCount)];
    }

    std::string userFile() const { return program->directory.read("Prevody.kfc"); }

    void expectRefused(const QString& message) {
        QCOMPARE(program->dialogs.messages.value(program->dialogs.messages.size() - 1), message);
        QCOMPARE(program->state.userRowCount, 0);
        QCOMPARE(program->state.rowCount, vemlik::kBuiltInCount);
        QVERIFY(Text9->text().isEmpty() && Text10->text().isEmpty() && Text11->text().isEmpty());
        QVERIFY(Text9->hasFocus());
    }

private slots:
    void init() {
        program = std::make_unique<ProgramUnderTest>();
        QVERIFY(program->start());
        Text9 = program->control<QLineEdit>("Text9");
        Text10 = program->control<QLineEdit>("Text10");
        Text11 = program->control<QLineEdit>("Text11");
        enterUserPage();
    }
    void cleanup() { program.reset(); }

    void temporaryUnitIsKnownButNotWritten() {
        define(QStringLiteral("versta"), QStringLiteral("m"), QStringLiteral("1066.8"));
        QCOMPARE(program->state.userRowCount, 1);
        QCOMPARE(lastRow().abbreviation, std::string("versta"));
        QCOMPARE(lastRow().factor, 1066.8);
        QCOMPARE(lastRow().dimensionCode, 5);
        QVERIFY(program->dialogs.questions.isEmpty());
        QVERIFY(!std::filesystem::exists(program->directory.fileName("Prevody.kfc")));
        QVERIFY(Text9->text().isEmpty() && Text10->text().isEmpty() && Text11->text().isEmpty());
        QVERIFY(Text9->hasFocus());
    }

    void permanentUnitIsWrittenOnYesOnlyAndReadAtTheNextStart() {
        QTest::keyClicks(Text9, QStringLiteral("ver"));
        program->control<QRadioButton>("Option1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(program->control<QRadioButton>("Option2")->isChecked());
        QTRY_VERIFY(Text9->hasFocus());
        Text9->clear();
        define(QStringLiteral("versta"), QStringLiteral("m"), QStringLiteral("1066,8"));
        program->dialogs.answerYes = false;
        define(QStringLiteral("sazen"), QStringLiteral("m"), QStringLiteral("2.1336"));
        program->dialogs.answerYes = true;
        define(QStringLiteral("bod"), QStringLiteral("x"), QStringLiteral("2"));
        QCOMPARE(program->dialogs.questions,
                 QStringList({QStringLiteral("Převod versta bude zapsán do souboru"),
                              QStringLiteral("Převod sazen bude zapsán do souboru"),
                              QStringLiteral("Převod bod bude zapsán do souboru")}));
        QCOMPARE(program->state.userRowCount, 3);
        QCOMPARE(userFile(), std::string("versta, 1066.8 , 5 \r\nbod, 2 , 54444444 \r\n"));

        vemlik::EngineState again;
        vemlik::initialiseEngine(again, program->messages, program->directory.directoryName());
        QCOMPARE(again.userRowCount, 2);
        QCOMPARE(again.rows[vemlik::kBuiltInCount + 2].dimensionCode, 54444444);

        // The kind stays as the user set it until the menu sets it back.
        QVERIFY(program->control<QRadioButton>("Option2")->isChecked());
        QTest::mouseClick(program->control<QPushButton>("Command12"), Qt::LeftButton);
        QVERIFY(program->control<QRadioButton>("Option1")->isChecked());
    }

    void failedAppendKeepsTheRowAndSaysSo_data() {
        QTest::addColumn<bool>("readOnlyDirectory");
        QTest::newRow("Prevody.kfc is a directory") << false;
        QTest::newRow("read-only program directory") << true;
    }
    void failedAppendKeepsTheRowAndSaysSo() {
        QFETCH(bool, readOnlyDirectory);
        if (readOnlyDirectory) {
            // Not even root may create files in /proc.
            program->state.userFileName = "/proc/Prevody.kfc";
        } else {
            std::filesystem::create_directory(program->state.userFileName);
        }
        QTest::mouseClick(program->control<QRadioButton>("Option2"), Qt::LeftButton);
        QTRY_VERIFY(Text9->hasFocus());
        define(QStringLiteral("versta"), QStringLiteral("m"), QStringLiteral("1066.8"));
        QCOMPARE(program->state.userRowCount, 1);
        QCOMPARE(program->dialogs.messages,
                 QStringList(QStringLiteral("Převod nelze zapsat do souboru %1, platí jen do "
                                            "ukončení programu!")
                                 .arg(program->state.userFileName.c_str())));
        // The program goes on: the new unit converts at once.
        QTest::mouseClick(program->control<QPushButton>("Command12"), Qt::LeftButton);
        QTest::keyClick(program->control<QWidget>("lblNabidka"), Qt::Key_Return);
        QTest::keyClicks(program->control<QLineEdit>("Text1"), QStringLiteral("m 2 versta"));
        QTest::keyClick(program->control<QLineEdit>("Text1"), Qt::Key_Return);
        QCOMPARE(program->control<QLineEdit>("Text2")->text(), QStringLiteral("2133,60 m"));
    }

    void refusals_data() {
        QTest::addColumn<QString>("abbreviation");
        QTest::addColumn<QString>("dimension");
        QTest::addColumn<QString>("factor");
        QTest::addColumn<QString>("message");
        const QString faulty = QStringLiteral("Pro chybné zadání nebylo zapsáno, zadejte znovu!");
        const QString name = QStringLiteral(
            "Zkratka nesmí obsahovat mezeru ani znaky , \" * / ; : ( ), nesmí začínat číslicí, "
            "znaménkem nebo tečkou a nesmí končit číslicí!");
        QTest::newRow("zero factor") << "versta"
                                     << "m"
                                     << "0" << faulty;
        QTest::newRow("factor 1e-10") << "versta"
                                      << "m"
                                      << "1e-10" << faulty;
        QTest::newRow("no dimension") << "versta"
                                      << ""
                                      << "2" << faulty;
        QTest::newRow("no abbreviation") << ""
                                         << "m"
                                         << "2" << faulty;
        QTest::newRow("unknown name") << "versta"
                                      << "furlong"
                                      << "2" << faulty;
        QTest::newRow("blank inside") << "ver sta"
                                      << "m"
                                      << "2" << name;
        QTest::newRow("trailing digit") << "versta2"
                                        << "m"
                                        << "2" << name;
        QTest::newRow("leading sign") << "-versta"
                                      << "m"
                                      << "2" << name;
        QTest::newRow("separator") << "ver/sta"
                                   << "m"
                                   << "2" << name;
        QTest::newRow("exponent") << "versta"
                                  << "m6"
                                  << "2"
                                  << "Exponent rozměru musí být v rozsahu -3 až +5, převod "
                                     "nebyl zapsán!";
    }
    void refusals() {
        QFETCH(QString, abbreviation);
        QFETCH(QString, dimension);
        QFETCH(QString, factor);
        QFETCH(QString, message);
        define(abbreviation, dimension, factor);
        expectRefused(message);
    }

    void nonNumericFactorIsEmptiedAndRefusedAtConfirmation() {
        ProgramUnderTest::typeAndPress(Text9, QStringLiteral("versta"), Qt::Key_Return);
        ProgramUnderTest::typeAndPress(Text10, QStringLiteral("m"), Qt::Key_Return);
        ProgramUnderTest::typeAndPress(Text11, QStringLiteral("1 066,8"), Qt::Key_Return);
        QCOMPARE(program->dialogs.messages,
                 QStringList(QStringLiteral("Faktor není numerická hodnota!")));
        QVERIFY(Text11->text().isEmpty() && Text11->hasFocus());
        QTest::mouseClick(program->control<QPushButton>("Command9"), Qt::LeftButton);
        expectRefused(QStringLiteral("Pro chybné zadání nebylo zapsáno, zadejte znovu!"));
    }

    void fullTableTakesNothingMore() {
        while (program->state.rowCount < vemlik::kMaxRows) {
            define(QStringLiteral("versta"), QStringLiteral("m"), QStringLiteral("2"));
        }
        define(QStringLiteral("sazen"), QStringLiteral("m"), QStringLiteral("2"));
        QCOMPARE(
            program->dialogs.messages,
            QStringList(QStringLiteral("Tabulka jednotek je plná, další převod nelze přidat!")));
        QCOMPARE(program->state.userRowCount, vemlik::kMaxRows - vemlik::kBuiltInCount);
    }
};

QTEST_MAIN(UserPageTest)
#include "user_page_test.moc"
