#pragma once

#include "text_file_appender.h"

#include <QString>

#include <string_view>

namespace vemlik {

class Dialogs;

// The one results file that the single and the block conversion pages write into. Its name is
// asked for once per run; the file is opened for appending and every text is written and
// flushed at once.
class ResultsFile {
public:
    explicit ResultsFile(Dialogs& dialogs);

    // Opens the file for appending, showing the file dialog with this filter
    // ("description|pattern") while no name is remembered. False when no file is open
    // afterwards: no name given (silently), or the file cannot be opened, which forgets the
    // name.
    bool open(const QString& filter);
    // Appends UTF-8 text in the file's own encoding. A write that fails, or a file deleted
    // while open, is reported, and the file is closed; false then.
    bool append(std::string_view text);
    void close();

    bool isOpen() const { return appender_.isOpen(); }

private:
    Dialogs& dialogs_;
    QString fileName_;
    TextFileAppender appender_;
};

} // namespace vemlik
