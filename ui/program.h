#pragma once

#include "dialog_message_sink.h"
#include "main_window.h"
#include "vemlik/engine.h"

namespace vemlik {

class Dialogs;

// The program as it starts: its name and desktop identity, Qt's texts in Czech, the engine with
// the built-in units and the user's Prevody.kfc, and the main window frmTitl (not yet shown),
// all speaking through the given dialogs. Made once, after the QApplication; ending the program
// quits the application.
class Program {
public:
    explicit Program(Dialogs& dialogs);

    MainWindow& window() { return window_; }
    Engine& engine() { return engine_; }

private:
    // Taken before any member is made, so that the window is made with the application's texts
    // and look.
    struct ApplicationPrepared {};
    static ApplicationPrepared prepareApplication();
    Program(Dialogs& dialogs, ApplicationPrepared);

    DialogMessageSink messages_;
    Engine engine_;
    MainWindow window_;
};

} // namespace vemlik
