#include "unit_table_setup.h"

#include "executable_directory.h"
#include "stderr_messages.h"
#include "unit_table.h"
#include "user_conversion_file.h"

namespace vemlik::cli {

namespace {

void replaceUserRows(UnitTable& units, OutputBuffer& errors, const std::string& fileName) {
    units.userRowCount = 0;
    units.rowCount = units.builtInCount;
    units.userFileName = fileName;
    FileMessages messages(errors, fileName);
    readUserConversionFile(units, messages);
}

} // namespace

void setUpUnitTable(UnitTable& units, OutputBuffer& errors,
                    const std::optional<std::string>& userFile) {
    const std::optional<std::string> directory = executableDirectory();
    if (directory && !userFile) {
        FileMessages messages(errors, *directory + kUserConversionFileName);
        initialiseEngine(units, messages, *directory);
        return;
    }
    // Initialisation always reads the file beside the executable; a named file replaces
    // whatever it found there.
    DiscardingSink ignored;
    initialiseEngine(units, ignored, directory.value_or("/"));
    if (userFile) {
        replaceUserRows(units, errors, *userFile);
    } else {
        units.userRowCount = 0;
        units.rowCount = units.builtInCount;
    }
}

} // namespace vemlik::cli
