#include "czech_qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vemlik {

namespace {

bool installTranslation(const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(name, folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace

bool installCzechQtTexts() {
    const bool qtTexts = installTranslation(QStringLiteral("qtbase_cs"),
                                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Installed last, so that it is asked first.
    const bool ownTexts =
        installTranslation(QStringLiteral("czech_qt_texts"), QStringLiteral(":/translations"));
    return qtTexts && ownTexts;
}

} // namespace vemlik
