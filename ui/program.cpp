#include "program.h"

#include "czech_qt_texts.h"
#include "desktop_identity.h"
#include "vemlik/system_file.h"

#include <QApplication>

namespace vemlik {

namespace {

// What the application needs once, before the first message box, which reading the user's
// units may show.
void prepareApplication() {
    static const bool prepared = [] {
        // The name every message box carries as its title. Only the name is set, not a display
        // name, so that window systems don't append it to the main window's own title.
        QApplication::setApplicationName(QStringLiteral("Vemlik"));
        installCzechQtTexts();
        announceDesktopIdentity();
        ignoreBrokenPipes();
        return true;
    }();
    static_cast<void>(prepared);
}

} // namespace

Program::Program(Dialogs& dialogs) : messages_(dialogs), window_(engine_, dialogs, messages_) {
    prepareApplication();
    engine_.readUserFile(messages_);
    QObject::connect(&window_, &MainWindow::programEnded, qApp, &QApplication::quit);
}

} // namespace vemlik
