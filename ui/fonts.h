#pragma once

#include <QFont>

namespace vemlik {

// The layout was drawn with "MS Sans Serif" and "Arial CE"; both are replaced by a sans serif
// that carries the Czech letters.
QFont layoutFont(qreal pointSize, bool bold = false);

// The window's own font, used by every control that names no font of its own.
QFont windowFont();

} // namespace vemlik
