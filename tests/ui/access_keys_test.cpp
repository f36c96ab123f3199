#include "program_under_test.h"

#include <QCheckBox>

using vemlik::testing::ProgramUnderTest;

// Access keys that a page caption shares with a control of the shown page ("&Nabídka" with
// "&Nové zadání", "&Uživ.Vemlik" with "&Uložit výslednou tabulku"), pressed for real.
class AccessKeysTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramUnderTest> program;

    int shownPage() const { return program->SSTab1->currentIndex(); }

private slots:
    void init() {
        program = std::make_unique<ProgramUnderTest>();
        QVERIFY(program->start());
    }
    void cleanup() { program.reset(); }

    // Alt+N is "Nové zadání" at every press, which empties the entry and stays on the page.
    void newEntryButtonTakesTheKeyFromTheMenuCaption() {
        const struct {
            int menuEntry;
            const char* field;
        } pages[] = {{0, "Text1"}, {1, "Text3"}};
        for (const auto& [menuEntry, fieldName] : pages) {
            program->choose(menuEntry);
            QLineEdit* field = program->control(fieldName);
            for (int press = 0; press < 2; ++press) {
                field->setText(QStringLiteral("km/h"));
                QTest::keyClick(field, Qt::Key_N, Qt::AltModifier);
                QCOMPARE(shownPage(), menuEntry + 1);
                QTRY_VERIFY(field->text().isEmpty());
                QVERIFY(field->hasFocus());
            }
        }
    }

    void checkBoxTakesTheKeyFromTheUserPageCaption() {
        program->choose(1);
        auto* box = program->control<QCheckBox>("chkSoubor");
        const bool first = box->isChecked();
        for (const bool expected : {!first, first}) {
            QTest::keyClick(program->control("Text3"), Qt::Key_U, Qt::AltModifier);
            QCOMPARE(shownPage(), 2);
            QCOMPARE(box->isChecked(), expected);
        }
    }

    void captionKeyWorksOnAPageWithoutThatLetter() {
        program->choose(2);
        QTest::keyClick(program->control("Text9"), Qt::Key_N, Qt::AltModifier);
        QCOMPARE(shownPage(), 0);
        QVERIFY(program->lblNabidka->hasFocus());
    }
};

QTEST_MAIN(AccessKeysTest)
#include "access_keys_test.moc"
