#pragma once

#include <string>
#include <vector>

namespace vemlik {

// What the window program's own arguments ask for. Qt's options are not among them: the
// QApplication takes those out of argv before the rest is read.
enum class StartRequest { OpenWindow, PrintVersion, PrintHelp, Refuse, NoDisplay };

struct StartOptions {
    StartRequest request = StartRequest::OpenWindow;
    // The Czech reason when the request is Refuse.
    std::string fault;
};

// The arguments without the program's name.
StartOptions parseStartOptions(const std::vector<std::string>& arguments);

// Whether the window has somewhere to open: a display in the environment (DISPLAY,
// WAYLAND_DISPLAY) or a platform named by Qt's -platform option or QT_QPA_PLATFORM; always on
// Windows. The arguments are all of them, Qt's among them.
bool displayNamed(const std::vector<std::string>& arguments);

// Prints what a request other than OpenWindow asks for and returns the exit status.
int answerStartRequest(const StartOptions& options);

} // namespace vemlik
