#pragma once

#include <string>
#include <vector>

namespace vemlik {

// What the window program's own arguments ask for. Qt's options are not among them: the
// QApplication takes those out of argv before the rest is read.
enum class StartRequest { OpenWindow, PrintVersion, PrintHelp, Refuse };

struct StartOptions {
    StartRequest request = StartRequest::OpenWindow;
    // The Czech reason when the request is Refuse.
    std::string fault;
};

// The arguments without the program's name.
StartOptions parseStartOptions(const std::vector<std::string>& arguments);

// Prints what a request other than OpenWindow asks for and returns the exit status.
int answerStartRequest(const StartOptions& options);

} // namespace vemlik
