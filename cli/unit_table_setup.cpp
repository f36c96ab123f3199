#include "unit_table_setup.h"

#include "executable_directory.h"
#include "stderr_messages.h"
#include "unit_table.h"
#include "user_conversion_file.h"

namespace vemlik::cli {

namespace {

class DiscardedMessages : public MessageSink {
public:
    void showMessage(std::string_view) override {}
};

void replaceUserRows(EngineState& state, OutputBuffer& errors, const std::string& fileName) {
    state.userRowCount = 0;
    state.rowCount = state.builtInCount;
    state.userFileName = fileName;
    FileMessages messages(errors, fileName);
    readUserConversionFile(state, messages);
}

} // namespace

void setUpUnitTable(EngineState& state, OutputBuffer& errors,
                    const std::optional<std::string>& userFile) {
    const std::optional<std::string> directory = executableDirectory();
    if (directory && !userFile) {
        FileMessages messages(errors, *directory + kUserConversionFileName);
        initialiseEngine(state, messages, *directory);
        return;
    }
    // Initialisation always reads the file beside the executable; a named file replaces
    // whatever it found there.
    DiscardedMessages ignored;
    initialiseEngine(state, ignored, directory.value_or("/"));
    if (userFile) {
        replaceUserRows(state, errors, *userFile);
    } else {
        state.userRowCount = 0;
        state.rowCount = state.builtInCount;
    }
}

} // namespace vemlik::cli
