#include "unit_table_setup.h"

#include "executable_directory.h"
#include "stderr_messages.h"
#include "unit_table.h"
#include "user_conversion_file.h"
#include "user_file_location.h"

namespace vemlik::cli {

namespace {

class DiscardedMessages : public MessageSink {
public:
    void showMessage(std::string_view) override {}
};

void replaceUserRows(EngineState& state, OutputBuffer& errors, const std::string& fileName,
                     SystemFile& file) {
    state.userRowCount = 0;
    state.rowCount = state.builtInCount;
    state.userFileName = fileName;
    FileMessages messages(errors, fileName);
    readUserConversionFile(state, messages, file);
}

} // namespace

void setUpUnitTable(EngineState& state, OutputBuffer& errors,
                    const std::optional<std::string>& userFileName, SystemFile& userFile) {
    // An unknown directory leaves only the user's data folder to look in.
    const std::string directory = executableDirectory().value_or("");
    if (!userFileName) {
        FileMessages messages(errors, userConversionFileName(directory));
        initialiseEngine(state, messages, directory);
        return;
    }
    // Initialisation always reads the user's own file; a named file replaces whatever it found.
    DiscardedMessages ignored;
    initialiseEngine(state, ignored, directory);
    replaceUserRows(state, errors, *userFileName, userFile);
}

} // namespace vemlik::cli
