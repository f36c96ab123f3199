#include "program_under_test.h"

#include <QCheckBox>

// Access keys that a page caption shares with a control of the shown page ("&Nabídka" with
// "&Nové zadání", "&Uživ.Vemlik" with "&Uložit výslednou tabulku"), pressed for real.
class AccessKeysTest : public QObject, vemlik::testing::ProgramFixture {
    Q_OBJECT

private slots:
    void init() { QVERIFY(restart()); }

    // Alt+N is "Nové zadání" at every press, which empties the entry and stays on the page; so
    // is Alt+U the check box. The caption's key works where the page has no such control.
    void controlOfTheShownPageTakesTheKeyFromTheCaption() {
        for (const auto& [menuEntry, fieldName] : {std::pair{0, "Text1"}, {1, "Text3"}}) {
            program->choose(menuEntry);
            QLineEdit* field = program->control(fieldName);
            for (int press = 0; press < 2; ++press) {
                field->setText(QStringLiteral("km/h"));
                QTest::keyClick(field, Qt::Key_N, Qt::AltModifier);
                QCOMPARE(program->SSTab1->currentIndex(), menuEntry + 1);
                QTRY_VERIFY(field->text().isEmpty() && field->hasFocus());
            }
        }
        auto* box = program->control<QCheckBox>("chkSoubor");
        for (const bool expected : {true, false}) {
            QTest::keyClick(program->control("Text3"), Qt::Key_U, Qt::AltModifier);
            QVERIFY(program->SSTab1->currentIndex() == 2 && box->isChecked() == expected);
        }
        program->choose(3);
        QTest::keyClick(program->control("Text9"), Qt::Key_N, Qt::AltModifier);
        QVERIFY(program->SSTab1->currentIndex() == 0 && program->lblNabidka->hasFocus());
    }
};

QTEST_MAIN(AccessKeysTest)
#include "access_keys_test.moc"
