#include "program.h"

#include "czech_qt_texts.h"
#include "desktop_identity.h"
#include "vemlik/system_file.h"

#include <QApplication>

namespace vemlik {

// What the application needs once, before its first window and the first message box, which
// reading the user's units may show.
Program::ApplicationPrepared Program::prepareApplication() {
    static const bool prepared = [] {
        // The name every message box carries as its title. Only the name is set, not a display
        // name, so that window systems don't append it to the main window's own title.
        QApplication::setApplicationName(QStringLiteral("Vemlik"));
        installCzechQtTexts();
        announceDesktopIdentity();
        ignoreBrokenPipes();
#ifdef Q_OS_WIN
        // The layout is measured in Qt's own style; Windows' style gives list rows and buttons
        // room of other sizes, so that the menu's last entry would need scrolling.
        QApplication::setStyle(QStringLiteral("Fusion"));
#endif
        return true;
    }();
    static_cast<void>(prepared);
    return {};
}

Program::Program(Dialogs& dialogs) : Program(dialogs, prepareApplication()) {}

Program::Program(Dialogs& dialogs, ApplicationPrepared)
    : messages_(dialogs), window_(engine_, dialogs, messages_) {
    engine_.readUserFile(messages_);
    QObject::connect(&window_, &MainWindow::programEnded, qApp, &QApplication::quit);
}

} // namespace vemlik
