#include "desktop_identity.h"

#include "identity.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>

namespace vemlik {

void announceDesktopIdentity() {
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext()) {
        icon.addFile(sizes.next());
    }
    QApplication::setWindowIcon(icon);
}

} // namespace vemlik
