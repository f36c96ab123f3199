#pragma once

namespace vemlik {

// Qt's own texts (the buttons of the message boxes, the file dialog, the text boxes' context
// menus) in Czech, whatever the user's locale, since the whole program speaks Czech. Installed
// into the running application; false where the translation isn't installed, and Qt's English
// texts stay.
bool installCzechQtTexts();

} // namespace vemlik
