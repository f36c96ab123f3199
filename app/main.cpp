#include "dialog_message_sink.h"
#include "engine_state.h"
#include "main_window.h"
#include "qt_dialogs.h"
#include "unit_table.h"

#include <QApplication>
#include <QFile>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The name every message box carries as its title. Only the name is set, not a display
    // name, so that window systems don't append it to the main window's own title.
    QApplication::setApplicationName(QStringLiteral("Vemlik"));

    vemlik::QtDialogs dialogs;
    vemlik::DialogMessageSink messages(dialogs);
    vemlik::EngineState state;
    vemlik::initialiseEngine(
        state, messages, QFile::encodeName(QApplication::applicationDirPath()).toStdString() + '/');

    vemlik::MainWindow window(state, dialogs, messages);
    dialogs.setParentWindow(&window);
    QObject::connect(&window, &vemlik::MainWindow::programEnded, &application, &QApplication::quit);
    window.show();
    return QApplication::exec();
}
