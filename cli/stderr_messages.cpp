#include "stderr_messages.h"

namespace vemlik::cli {

void LineMessages::showMessage(std::string_view text) {
    errors_.append("řádek ");
    errors_.appendNumber(lineNumber_);
    errors_.append(": ");
    errors_.append(text);
    errors_.append('\n');
}

void FileMessages::showMessage(std::string_view text) {
    errors_.append(fileName_);
    errors_.append(": ");
    errors_.append(text);
    errors_.append('\n');
}

} // namespace vemlik::cli
