#include "unit_table_setup.h"

#include "executable_directory.h"
#include "line_stream.h"
#include "stderr_messages.h"
#include "unit_table.h"
#include "user_conversion_file.h"
#include "user_file_location.h"

namespace vemlik::cli {

void setUpUnitTable(UnitTable& units, OutputBuffer& errors,
                    const std::optional<std::string>& userFileName, SystemFile& userFile) {
    if (!userFileName) {
        // An unknown directory leaves only the user's data folder to look in.
        const std::string directory = executableDirectory().value_or("");
        FileMessages messages(errors, userConversionFileName(directory));
        initialiseEngine(units, messages, directory);
        return;
    }
    fillBuiltInUnits(units);
    units.userFileName = *userFileName;
    FileMessages messages(errors, *userFileName);
    LineStream lines(userFile);
    addUserRecords(units, messages, lines);
}

} // namespace vemlik::cli
