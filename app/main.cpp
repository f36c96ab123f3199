#include "program.h"
#include "qt_dialogs.h"
#include "start_options.h"

#include <QApplication>

namespace {

std::vector<std::string> ownArguments(int argc, char* argv[]) {
    return {argv + 1, argv + argc};
}

} // namespace

int main(int argc, char* argv[]) {
    // Version and help alone are answered before the windowing system is reached, so that they
    // also work without a display.
    const vemlik::StartOptions early = vemlik::parseStartOptions(ownArguments(argc, argv));
    if (early.request != vemlik::StartRequest::OpenWindow &&
        early.request != vemlik::StartRequest::Refuse) {
        return vemlik::answerStartRequest(early);
    }
    // Qt would end with an English message and an abort.
    if (!vemlik::displayNamed(ownArguments(argc, argv))) {
        return vemlik::answerStartRequest({vemlik::StartRequest::NoDisplay, {}});
    }
    QApplication application(argc, argv);
    // The QApplication has taken its own options out of argc and argv; what remains is ours.
    const vemlik::StartOptions options = vemlik::parseStartOptions(ownArguments(argc, argv));
    if (options.request != vemlik::StartRequest::OpenWindow) {
        return vemlik::answerStartRequest(options);
    }
    vemlik::QtDialogs dialogs;
    vemlik::Program program(dialogs);
    dialogs.setParentWindow(&program.window());
    program.window().show();
    return QApplication::exec();
}
