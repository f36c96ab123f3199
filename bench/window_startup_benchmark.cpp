// Time from process start until the main window is shown and the event loop first waits for
// input, and the resident memory then. Starts the window as the program does; the program
// itself carries no measuring code. Prints "milliseconds megabytes".
#include "program.h"
#include "qt_dialogs.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr const char* kStartVariable = "VEMLIK_BENCH_START_NS";

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// The process is started afresh (exec) with the moment just before, so that loading the
// libraries and their static initialisation count as well.
void restartMeasured(char* argv[]) {
    const std::string start = std::to_string(monotonicNanoseconds());
    setenv(kStartVariable, start.c_str(), 1);
    execv("/proc/self/exe", argv);
    std::perror("execv");
    std::exit(2);
}

double residentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string field;
    while (status >> field) {
        if (field == "VmRSS:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024.0;
        }
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    const char* start = std::getenv(kStartVariable);
    if (start == nullptr) {
        restartMeasured(argv);
    }
    const long long startNanoseconds = std::atoll(start);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    // As the program starts its window.
    QApplication application(argc, argv);
    vemlik::QtDialogs dialogs;
    vemlik::Program program(dialogs);
    vemlik::MainWindow& window = program.window();
    window.show();

    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     &application, [&] {
                         if (window.windowHandle() == nullptr ||
                             !window.windowHandle()->isExposed()) {
                             return;
                         }
                         const double milliseconds =
                             static_cast<double>(monotonicNanoseconds() - startNanoseconds) / 1e6;
                         std::printf("%.1f %.1f\n", milliseconds, residentMegabytes());
                         std::fflush(stdout);
                         std::_Exit(0);
                     });
    return QApplication::exec();
}
