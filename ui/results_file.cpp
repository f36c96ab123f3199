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
        // A name that no longer opens is forgotten, so that the next try asks for another.
        fileName_.clear();
        return false;
    }
    fileName_ = name;
    return true;
}

bool ResultsFile::append(std::string_view text) {
    const AppendOutcome outcome = appender_.append(text);
    if (outcome == AppendOutcome::written) {
        return true;
    }
    close();
    dialogs_.showMessage(outcome == AppendOutcome::fileGone
                             ? QStringLiteral("Soubor %1 již neexistuje!").arg(fileName_)
                             : QStringLiteral("Zápis do souboru %1 se nezdařil!").arg(fileName_));
    return false;
}

void ResultsFile::close() {
    appender_.close();
}

} // namespace vemlik
