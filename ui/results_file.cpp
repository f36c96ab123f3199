#include "results_file.h"

#include "dialogs.h"

#include <QFile>

namespace vemlik {

ResultsFile::ResultsFile(Dialogs& dialogs) : dialogs_(dialogs) {}

bool ResultsFile::open(const QString& filter) {
    if (isOpen()) {
        return true;
    }
    const QString name = fileName_.isEmpty() ? dialogs_.chooseResultsFileName(filter) : fileName_;
    if (name.isEmpty()) {
        return false;
    }
    if (!appender_.open(QFile::encodeName(name).toStdString())) {
        dialogs_.showMessage(QStringLiteral("Soubor %1 nelze otevřít pro zápis!").arg(name));
        return false;
    }
    // Only a name that really opened is kept: after a failure the next try asks again.
    fileName_ = name;
    return true;
}

bool ResultsFile::append(std::string_view text) {
    if (appender_.append(text)) {
        return true;
    }
    close();
    dialogs_.showMessage(QStringLiteral("Zápis do souboru %1 se nezdařil!").arg(fileName_));
    return false;
}

void ResultsFile::close() {
    appender_.close();
}

} // namespace vemlik
