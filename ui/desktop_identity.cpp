#include "desktop_identity.h"

#include "identity.h"

#include <QApplication>
#include <QIcon>

namespace vemlik {

void announceDesktopIdentity() {
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
    QApplication::setWindowIcon(
        QIcon(QStringLiteral(":/icons/") + QString::fromLatin1(kApplicationId) + ".png"));
}

} // namespace vemlik
