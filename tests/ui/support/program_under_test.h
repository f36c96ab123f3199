#pragma once

#include "dialog_message_sink.h"
#include "engine_state.h"
#include "main_window.h"
#include "scripted_dialogs.h"
#include "temporary_directory.h"
#include "unit_table.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace vemlik::testing {

// The program as its start-up builds it, in a directory of its own, with scripted dialogs.
// Czech settings, so that numbers carry a decimal comma.
class ProgramUnderTest {
public:
    ProgramUnderTest() {
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        initialiseEngine(state, messages, directory.directoryName());
        window = std::make_unique<MainWindow>(state, dialogs, messages);
        ended = std::make_unique<QSignalSpy>(window.get(), &MainWindow::programEnded);
    }

    // Shows the main window and waits until it is the active window.
    bool start() {
        window->show();
        return QTest::qWaitForWindowActive(window.get());
    }

    template <typename Control> Control* control(const char* name) const {
        return window->findChild<Control*>(QString::fromLatin1(name));
    }

    // Types the text into the control that has the focus, then presses the key.
    static void typeAndPress(QWidget* control, const QString& text, Qt::Key key) {
        QTest::keyClicks(control, text);
        QTest::keyClick(control, key);
    }

    TemporaryDirectory directory;
    ScriptedDialogs dialogs;
    DialogMessageSink messages{dialogs};
    EngineState state;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<QSignalSpy> ended;
};

} // namespace vemlik::testing
