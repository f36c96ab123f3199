#include "shared_results_file.h"

#include "dialogs.h"
#include "utf8.h"
#include "vemlik/engine.h"

namespace vemlik {

SharedResultsFile::SharedResultsFile(Engine& engine, Dialogs& dialogs)
    : engine_(engine), dialogs_(dialogs) {}

bool SharedResultsFile::open(const QString& filter) {
    if (isOpen()) {
        return true;
    }
    const QString name = fileName_.isEmpty() ? dialogs_.chooseResultsFileName(filter) : fileName_;
    if (name.isEmpty()) {
        return false;
    }
    if (!engine_.openResultsFile(utf8(name))) {
        dialogs_.showMessage(QStringLiteral("Soubor %1 nelze otevřít pro zápis!").arg(name));
        // A name that no longer opens is forgotten, so that the next try asks for another.
        fileName_.clear();
        return false;
    }
    fileName_ = name;
    return true;
}

bool SharedResultsFile::appendConversion(std::string_view lineText, std::string_view resultText) {
    return written(engine_.appendConversion(lineText, resultText));
}

bool SharedResultsFile::appendBlockTable(std::string_view sourceUnits, std::string_view targetUnits,
                                         std::string_view table) {
    return written(engine_.appendBlockTable(sourceUnits, targetUnits, table));
}

void SharedResultsFile::close() {
    engine_.closeResultsFile();
}

bool SharedResultsFile::isOpen() const {
    return engine_.resultsFileOpen();
}

bool SharedResultsFile::written(AppendOutcome outcome) {
    if (outcome == AppendOutcome::Written) {
        return true;
    }
    close();
    dialogs_.showMessage(outcome == AppendOutcome::FileGone
                             ? QStringLiteral("Soubor %1 již neexistuje!").arg(fileName_)
                             : QStringLiteral("Zápis do souboru %1 se nezdařil!").arg(fileName_));
    return false;
}

} // namespace vemlik
