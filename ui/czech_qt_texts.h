#pragma once

namespace vemlik {

// Qt's own texts (the buttons of the message boxes, the file dialog, the text boxes' context
// menus) in Czech, whatever the user's locale, since the whole program speaks Czech: Qt's Czech
// translation, and after it the program's own for the words that this one leaves in English.
// Installed into the running application; false where Qt's translation isn't installed, and
// Qt's English texts stay beside the program's few.
bool installCzechQtTexts();

} // namespace vemlik
