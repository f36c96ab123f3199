#include "program_under_test.h"

#include <QAccessible>
#include <QGroupBox>

// What a screen reader hears of the windows' controls.
class AccessibilityTest : public QObject, vemlik::testing::ProgramFixture {
    Q_OBJECT

private:
    static QString heard(QWidget* widget, QAccessible::Text text = QAccessible::Name) {
        return QAccessible::queryAccessibleInterface(widget)->text(text);
    }

    // Without a name of its own a control is heard by the caption of the frame around it, which
    // doesn't say what the control holds.
    static bool named(QWidget* control) {
        const auto* frame = qobject_cast<QGroupBox*>(control->parentWidget());
        return !heard(control).isEmpty() && (frame == nullptr || heard(control) != frame->title());
    }

private slots:
    void init() { QVERIFY(restart()); }

    void everyFocusableControlOfBothWindowsHasAName() {
        program->choose(2);
        QWidget* overview = nullptr;
        QTRY_VERIFY((overview = QApplication::activeWindow()) != program->window.get());
        QStringList nameless;
        for (QWidget* window : {static_cast<QWidget*>(program->window.get()), overview}) {
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                // A widget with a focus proxy hands the focus on; the proxy is walked itself.
                if (widget->focusPolicy() != Qt::NoFocus && widget->focusProxy() == nullptr &&
                    !widget->isHidden() && !named(widget)) {
                    nameless.append(widget->objectName() + u'/' +
                                    widget->metaObject()->className());
                }
            }
        }
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(u' ')));
    }

    void controlsAreNamedAfterWhatExplainsThemOnScreen() {
        const std::pair<const char*, QString> names[] = {
            {"Text1", "Vložte číslo s rozměry k převodu"},
            {"Text2", "Výsledek po převodu"},
            {"Text10", "Rozměr jednotky vyjádřený pomocí základních jednotek"},
        };
        for (const auto& [control, name] : names) {
            QCOMPARE(heard(program->control<QWidget>(control)), name);
        }
        QCOMPARE(heard(program->control<QWidget>("Text10"), QAccessible::Description),
                 "Rozměr jednotky vyjádřený pomocí základních jednotek (např. kg2*m/s2/K ) nebo x");
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
