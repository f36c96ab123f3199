#include "program.h"

#include "desktop_identity.h"
#include "system_file.h"
#include "unit_table.h"

#include <QApplication>
#include <QFile>

namespace vemlik {

namespace {

EngineState startEngine(MessageSink& messages) {
    // The name every message box carries as its title. Only the name is set, not a display
    // name, so that window systems don't append it to the main window's own title.
    QApplication::setApplicationName(QStringLiteral("Vemlik"));
    announceDesktopIdentity();
    ignoreBrokenPipes();
    EngineState state;
    initialiseEngine(state.units, messages,
                     QFile::encodeName(QApplication::applicationDirPath()).toStdString() + '/');
    return state;
}

} // namespace

Program::Program() : state_(startEngine(messages_)), window_(state_, dialogs_, messages_) {
    dialogs_.setParentWindow(&window_);
    QObject::connect(&window_, &MainWindow::programEnded, qApp, &QApplication::quit);
}

} // namespace vemlik
