#pragma once

#include "main_window.h"
#include "page_tabs.h"
#include "private_home.h"
#include "program.h"
#include "scripted_dialogs.h"
#include "temporary_directory.h"
#include "vemlik/engine.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <optional>

namespace vemlik::testing {

// The program as its start-up builds it, with a home of its own whose data folder holds the
// given Prevody.kfc (none if empty), scripted dialogs, and a directory for results files. Czech
// settings, so that numbers carry a decimal comma.
class ProgramUnderTest {
public:
    explicit ProgramUnderTest(std::string_view userFile = {}) {
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        if (!userFile.empty()) {
            home.writeUserFile(userFile);
        }
        program = std::make_unique<Program>(dialogs);
        window = &program->window();
        ended = std::make_unique<QSignalSpy>(window, &MainWindow::programEnded);
        SSTab1 = control<PageTabs>("SSTab1");
        lblNabidka = control<QListWidget>("lblNabidka");
    }

    template <typename Control = QLineEdit> Control* control(const char* name) const {
        return window->findChild<Control*>(QString::fromLatin1(name));
    }
    void click(const char* button) const {
        QTest::mouseClick(control<QAbstractButton>(button), Qt::LeftButton);
    }
    // Enter on the menu entry with the given row.
    void choose(int entry) const {
        lblNabidka->setCurrentRow(entry);
        QTest::keyClick(lblNabidka, Qt::Key_Return);
    }
    // Types the text into the control key by key, then presses the key. Not QTest::keyClicks:
    // it takes Latin-1 only, and the lines hold Czech letters.
    static void type(QWidget* control, const QString& text, Qt::Key key = Qt::Key_Return) {
        for (const QChar character : text) {
            QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(character), {});
        }
        QTest::keyClick(control, key);
    }

    Engine& engine() const { return program->engine(); }

    PrivateHome home;
    TemporaryDirectory directory;
    ScriptedDialogs dialogs;
    std::unique_ptr<Program> program;
    MainWindow* window;
    std::unique_ptr<QSignalSpy> ended;
    PageTabs* SSTab1;
    QListWidget* lblNabidka;
};

// A unit of 2 m under the abbreviation, added to the engine's table as the user page adds one.
inline std::optional<UnitRecord> addUnitOfTwoMetres(Engine& engine, const char* abbreviation) {
    DiscardingSink messages;
    engine.takeUserDimension("m", messages);
    engine.takeUserFactor("2", messages);
    return engine.addUserUnit(abbreviation, "m", messages);
}

// For test classes whose every test function works on a program of its own: their init()
// verifies restart(), which shows the main window and waits until it is active. The program
// before is gone before the next one shows its window.
class ProgramFixture {
protected:
    bool restart(std::string_view userFile = {}) {
        program.reset();
        program = std::make_unique<ProgramUnderTest>(userFile);
        program->window->show();
        return QTest::qWaitForWindowActive(program->window);
    }

    std::unique_ptr<ProgramUnderTest> program;
};

} // namespace vemlik::testing
