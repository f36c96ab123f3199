#include "fonts.h"

namespace vemlik {

QFont layoutFont(qreal pointSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    // The layout's fonts are narrow; the condensed face keeps the captions inside their boxes.
    font.setStretch(QFont::Condensed);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont windowFont() {
    return layoutFont(8);
}

} // namespace vemlik
