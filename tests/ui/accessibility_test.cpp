#include "program_under_test.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>

using vemlik::testing::ProgramUnderTest;

// What a screen reader hears of the windows' controls.
class AccessibilityTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramUnderTest> program;

    static QString heard(QWidget* widget, QAccessible::Text text) {
        return QAccessible::queryAccessibleInterface(widget)->text(text);
    }

    // Without a name of its own a control is heard by the caption of the frame around it, which
    // doesn't say what the control holds.
    static bool named(QWidget* control) {
        const QString name = heard(control, QAccessible::Name);
        const auto* frame = qobject_cast<QGroupBox*>(control->parentWidget());
        return !name.isEmpty() && (frame == nullptr || name != frame->title());
    }

private slots:
    void init() {
        program = std::make_unique<ProgramUnderTest>();
        QVERIFY(program->start());
    }
    void cleanup() { program.reset(); }

    void everyFocusableControlOfBothWindowsHasAName() {
        program->choose(2);
        QWidget* overview = nullptr;
        QTRY_VERIFY((overview = QApplication::activeWindow()) != program->window.get());
        QStringList nameless;
        for (QWidget* window : {static_cast<QWidget*>(program->window.get()), overview}) {
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                // A widget with a focus proxy hands the focus on; the proxy is walked itself.
                const bool focusable = widget->focusPolicy() != Qt::NoFocus &&
                                       widget->focusProxy() == nullptr && !widget->isHidden();
                if (focusable && !named(widget)) {
                    nameless.append(widget->objectName() + u'/' +
                                    QLatin1String(widget->metaObject()->className()));
                }
            }
        }
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(u' ')));
    }

    void controlsAreNamedAfterWhatExplainsThemOnScreen() {
        const QList<std::pair<const char*, QString>> names = {
            {"Text1", QStringLiteral("Vložte číslo s rozměry k převodu")},
            {"Text2", QStringLiteral("Výsledek po převodu")},
            {"Text10", QStringLiteral("Rozměr jednotky vyjádřený pomocí základních jednotek")},
            {"Command2", QStringLiteral("Nové zadání <ESC>")},
            {"chkSoubj", QStringLiteral("Uložit výsledky do souboru")},
        };
        for (const auto& [control, name] : names) {
            QCOMPARE(heard(program->control<QWidget>(control), QAccessible::Name), name);
        }
        QCOMPARE(heard(program->control<QWidget>("Text10"), QAccessible::Description),
                 QStringLiteral(
                     "Rozměr jednotky vyjádřený pomocí základních jednotek (např. kg2*m/s2/K ) "
                     "nebo x"));
    }

    void errorMarkerIsHeardWithTheConversionLine() {
        program->choose(0);
        QLineEdit* Text1 = program->control("Text1");
        ProgramUnderTest::type(Text1, QStringLiteral("12 furlong"));
        QCOMPARE(program->control<QLabel>("Label6")->text(), QStringLiteral("CHYBA !"));
        QCOMPARE(heard(Text1, QAccessible::Description), QStringLiteral("CHYBA !"));
        QTest::keyClick(Text1, Qt::Key_Escape);
        QCOMPARE(heard(Text1, QAccessible::Description), QString());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
