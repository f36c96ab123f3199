#include "fonts.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFontDatabase>

namespace vemlik {

namespace {

// Faces shipped in the folder "fonts" beside the program (the Windows installation's) join the
// system's, once, before the layout's first font is matched.
void addShippedFaces() {
    static const bool added = [] {
        QDirIterator faces(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"),
                           {QStringLiteral("*.ttf")}, QDir::Files);
        while (faces.hasNext()) {
            QFontDatabase::addApplicationFont(faces.next());
        }
        return true;
    }();
    static_cast<void>(added);
}

} // namespace

QFont layoutFont(qreal pointSize, bool bold) {
    addShippedFaces();
#ifdef Q_OS_WIN
    // Windows names the condensed face as a family of its own and narrows whatever face it is
    // given to the stretch asked for: the condensed face narrowed as on Linux, where the
    // condensed stretch asked for is matched by that face and the rest made up by narrowing.
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setStretch(86);
#else
    QFont font(QStringLiteral("DejaVu Sans"));
    // The layout's fonts are narrow; the condensed face keeps the captions inside their boxes.
    font.setStretch(QFont::Condensed);
#endif
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont windowFont() {
    return layoutFont(8);
}

} // namespace vemlik
