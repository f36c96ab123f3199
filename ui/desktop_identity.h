#pragma once

namespace vemlik {

// Tells the desktop which entry and icon belong to the program's windows: the desktop file's
// name lets window managers match a window to its menu entry, and the icon is built into the
// program, so that it shows also when the program runs from its build folder.
void announceDesktopIdentity();

} // namespace vemlik
