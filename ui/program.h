#pragma once

#include "czech_qt_texts.h"
#include "dialog_message_sink.h"
#include "engine_state.h"
#include "main_window.h"
#include "qt_dialogs.h"

namespace vemlik {

// The program as it starts: the one engine state, filled from the built-in units and the
// user's Prevody.kfc, the real dialogs, and the main window frmTitl (not yet
// shown). Made once, after the QApplication; ending the program quits the application.
class Program {
public:
    Program();

    MainWindow& window() { return window_; }

private:
    // First, so that the message boxes of the start-up already speak Czech.
    [[maybe_unused]] bool czechQtTexts_ = installCzechQtTexts();
    QtDialogs dialogs_;
    DialogMessageSink messages_{dialogs_};
    EngineState state_;
    MainWindow window_;
};

} // namespace vemlik
