#include "start_options.h"

#include "identity.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace vemlik {

namespace {

constexpr int kRefused = 2;

constexpr const char* kUsageText =
    "Použití: vemlik [--version] [--help] [VOLBY QT]\n"
    "\n"
    "Otevře okno programu Vemlik pro převody číselných hodnot mezi soustavami\n"
    "jednotek SI, MKSA, cgs a anglickými jednotkami.\n"
    "\n"
    "  --version   vypíše verzi programu\n"
    "  --help      vypíše tento návod\n"
    "\n"
    "Obecné volby knihovny Qt (například -platform, -style, -reverse) platí také.\n"
    "Převody po řádcích ze souborů nebo z roury dělá vemlik-cli.\n";

// Windows always has its desktop to open the window on.
#ifdef _WIN32
constexpr bool kDesktopAlways = true;
#else
constexpr bool kDesktopAlways = false;
#endif

bool variableSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

} // namespace

bool displayNamed(const std::vector<std::string>& arguments) {
    const bool platformOption = std::ranges::any_of(arguments, [](const std::string& argument) {
        return argument == "-platform" || argument == "--platform";
    });
    return kDesktopAlways || platformOption || variableSet("DISPLAY") ||
           variableSet("WAYLAND_DISPLAY") || variableSet("QT_QPA_PLATFORM");
}

StartOptions parseStartOptions(const std::vector<std::string>& arguments) {
    StartOptions result;
    for (const std::string& argument : arguments) {
        if (argument == "--version") {
            result.request = StartRequest::PrintVersion;
        } else if (argument == "--help") {
            result.request = StartRequest::PrintHelp;
        } else {
            const bool isOption = argument.starts_with('-') && argument != "-";
            return {StartRequest::Refuse,
                    (isOption ? "neznámá volba " : "nadbytečný argument ") + argument};
        }
    }
    return result;
}

int answerStartRequest(const StartOptions& options) {
    switch (options.request) {
    case StartRequest::PrintVersion:
        std::printf("vemlik %s\n", kVersion);
        break;
    case StartRequest::PrintHelp:
        std::fputs(kUsageText, stdout);
        break;
    case StartRequest::Refuse:
        std::fprintf(stderr, "vemlik: %s\nNávod: vemlik --help\n", options.fault.c_str());
        return kRefused;
    case StartRequest::NoDisplay:
        std::fputs("vemlik: chybí grafický displej, okno nelze otevřít (není nastavena proměnná "
                   "DISPLAY ani WAYLAND_DISPLAY)\nPřevody bez okna dělá vemlik-cli.\n",
                   stderr);
        return kRefused;
    case StartRequest::OpenWindow:
        break;
    }
    return std::fflush(stdout) == 0 ? 0 : kRefused;
}

} // namespace vemlik
