#pragma once

#include <QString>

#include <string_view>

namespace vemlik {

class Dialogs;
class Engine;
enum class AppendOutcome;

// The engine's results file as the single and the block conversion pages share it: its name is
// asked for once per run, and what fails is told in a message box.
class SharedResultsFile {
public:
    SharedResultsFile(Engine& engine, Dialogs& dialogs);

    // Opens the file for appending, showing the file dialog with this filter
    // ("description|pattern") while no name is remembered. False when no file is open
    // afterwards: no name given (silently), or the file cannot be opened, which forgets the
    // name.
    bool open(const QString& filter);
    // A single conversion's line, or a block table whose rows end in LF. A write that fails, or
    // a file deleted while open, is told, and the file is closed; false then.
    bool appendConversion(std::string_view lineText, std::string_view resultText);
    bool appendBlockTable(std::string_view sourceUnits, std::string_view targetUnits,
                          std::string_view table);
    void close();

    bool isOpen() const;

private:
    // True when written; otherwise tells why, closes the file and gives false.
    bool written(AppendOutcome outcome);

    Engine& engine_;
    Dialogs& dialogs_;
    QString fileName_;
};

} // namespace vemlik
