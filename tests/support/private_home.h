#pragma once

#include "environment.h"
#include "temporary_directory.h"

#include <string>

namespace vemlik::testing {

// Points HOME, XDG_DATA_HOME and XDG_CONFIG_HOME (APPDATA on Windows) at a temporary folder of
// its own, so that nothing a test starts reads or writes the units or the settings kept in the
// real home. The variables are not restored: after the folder is gone they still lead nowhere
// real.
class PrivateHome {
public:
    PrivateHome() {
        setVariable("HOME", home_.path().string());
        setVariable("XDG_DATA_HOME", home_.fileName("data"));
        setVariable("XDG_CONFIG_HOME", home_.fileName("config"));
        setVariable("APPDATA", home_.fileName("data"));
    }

    // The user's Prevody.kfc while no file lies beside the executable.
    std::string userFileName() const { return home_.fileName("data/vemlik/Prevody.kfc"); }
    std::string readUserFile() const { return home_.read("data/vemlik/Prevody.kfc"); }
    void writeUserFile(std::string_view bytes) const {
        std::filesystem::create_directories(home_.path() / "data/vemlik");
        home_.write("data/vemlik/Prevody.kfc", bytes);
    }

private:
    TemporaryDirectory home_;
};

} // namespace vemlik::testing
