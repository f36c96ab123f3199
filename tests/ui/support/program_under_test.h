#pragma once

#include "dialog_message_sink.h"
#include "engine_state.h"
#include "main_window.h"
#include "page_tabs.h"
#include "private_home.h"
#include "scripted_dialogs.h"
#include "temporary_directory.h"
#include "unit_table.h"

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

namespace vemlik::testing {

// The program as its start-up builds it, in a directory of its own that holds the given
// Prevody.kfc (none if empty), with a home of its own and scripted dialogs. Czech settings, so that
// numbers carry a decimal comma.
class ProgramUnderTest {
public:
    explicit ProgramUnderTest(std::string_view userFile = {}) {
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        if (!userFile.empty()) {
            directory.write(kUserConversionFileName, userFile);
        }
        initialiseEngine(state.units, messages, directory.directoryName());
        window = std::make_unique<MainWindow>(state, dialogs, messages);
        ended = std::make_unique<QSignalSpy>(window.get(), &MainWindow::programEnded);
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

    PrivateHome home;
    TemporaryDirectory directory;
    ScriptedDialogs dialogs;
    DialogMessageSink messages{dialogs};
    EngineState state;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<QSignalSpy> ended;
    PageTabs* SSTab1;
    QListWidget* lblNabidka;
};

// For test classes whose every test function works on a program of its own: their init()
// verifies restart(), which shows the main window and waits until it is active. The program
// before is gone before the next one shows its window.
class ProgramFixture {
protected:
    bool restart(std::string_view userFile = {}) {
        program.reset();
        program = std::make_unique<ProgramUnderTest>(userFile);
        program->window->show();
        return QTest::qWaitForWindowActive(program->window.get());
    }

    std::unique_ptr<ProgramUnderTest> program;
};

} // namespace vemlik::testing
