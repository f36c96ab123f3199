#pragma once

namespace vemlik {

// Tells the desktop which entry and icon belong to the program's windows: the desktop file's
// name lets window managers match a window to its menu entry and find the icon's other sizes in
// the icon theme. One size is built into the program, so that the icon shows also when the
// program runs from its build folder; decoding every size would hold up the window's start.
void announceDesktopIdentity();

} // namespace vemlik
