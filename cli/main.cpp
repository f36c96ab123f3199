// vemlik-cli: the conversions of the single conversion page for lines from files or a pipe.
#include "batch_conversion.h"
#include "command_line.h"
#include "identity.h"
#include "locale_separator.h"
#include "output_buffer.h"
#include "stderr_messages.h"
#include "vemlik/engine.h"
#include "vemlik/system_file.h"

#include <new>
#include <string_view>
#include <vector>

namespace {

using namespace vemlik;
using namespace vemlik::cli;

constexpr int kAllConverted = 0;
constexpr int kSomeLineFailed = 1;
constexpr int kCannotRun = 2;

std::string unreadableReason(SystemFile::OpenFailure failure) {
    switch (failure) {
    case SystemFile::OpenFailure::Missing:
        return "neexistuje";
    case SystemFile::OpenFailure::NotPermitted:
        return "chybí oprávnění ke čtení";
    case SystemFile::OpenFailure::Folder:
        return "je to adresář";
    default:
        return "nelze ho otevřít";
    }
}

// Opens the file for reading, or tells why it can't be read.
SystemFile openInput(const std::string& fileName, OutputBuffer& errors) {
    SystemFile file = SystemFile::openForReading(fileName, SystemFile::Kinds::AnyReadable);
    if (!file.isOpen()) {
        errors.append("vemlik-cli: soubor nelze číst: " + visibleText(fileName) + " (" +
                      unreadableReason(file.openFailure()) + ")\n");
    }
    return file;
}

// Opens every input before the first line is converted, so that a wrong name gives no
// partial output.
bool openInputs(const Options& options, OutputBuffer& errors, std::vector<SystemFile>& inputs) {
    bool allOpened = true;
    if (options.inputFiles.empty()) {
        inputs.push_back(SystemFile::standardInput());
    }
    for (const std::string& fileName : options.inputFiles) {
        inputs.push_back(openInput(fileName, errors));
        allOpened = allOpened && inputs.back().isOpen();
    }
    return allOpened;
}

int reportUnwritable(OutputBuffer& errors) {
    errors.append("vemlik-cli: výstup nelze zapsat\n");
    errors.flush();
    return kCannotRun;
}

// The named file of units was opened once, before the inputs, as a pipe gives its lines to one
// reader only.
void readUserUnits(Engine& engine, const Options& options, SystemFile& userFile,
                   OutputBuffer& errors) {
    ToolMessages messages(errors);
    if (options.userFile) {
        engine.readUserFile(*options.userFile, userFile, messages);
    } else {
        engine.readUserFile(messages);
    }
}

int convertInputs(const Options& options, std::vector<SystemFile>& inputs, SystemFile& userFile,
                  OutputBuffer& output, OutputBuffer& errors) {
    Engine engine;
    readUserUnits(engine, options, userFile, errors);
    const std::string separator =
        options.decimalSeparator.empty() ? localeDecimalSeparator() : options.decimalSeparator;
    BatchConversion batch(engine, separator, output, errors);
    for (std::size_t index = 0; index < inputs.size(); ++index) {
        const BatchConversion::Outcome outcome = batch.convertAll(inputs[index]);
        if (outcome == BatchConversion::Outcome::WriteFailed) {
            return reportUnwritable(errors);
        }
        if (outcome == BatchConversion::Outcome::ReadFailed) {
            const std::string input =
                options.inputFiles.empty() ? "standardní vstup" : options.inputFiles[index];
            errors.append("vemlik-cli: čtení se nezdařilo: " + visibleText(input) + '\n');
            batch.flush();
            return kCannotRun;
        }
    }
    if (!batch.flush()) {
        return reportUnwritable(errors);
    }
    return batch.anyLineFailed() ? kSomeLineFailed : kAllConverted;
}

int run(const std::vector<std::string>& arguments, OutputBuffer& output, OutputBuffer& errors) {
    const CommandLine commandLine = parseCommandLine(arguments);
    if (!commandLine.fault.empty()) {
        errors.append("vemlik-cli: " + commandLine.fault + "\nNávod: vemlik-cli --help\n");
        errors.flush();
        return kCannotRun;
    }
    const Options& options = commandLine.options;
    if (options.helpWanted || options.versionWanted) {
        output.append(options.helpWanted ? std::string(kUsageText)
                                         : std::string("vemlik-cli ") + kVersion + "\n");
        return output.flush() ? kAllConverted : kCannotRun;
    }
    std::vector<SystemFile> inputs;
    const bool inputsOpened = openInputs(options, errors, inputs);
    SystemFile userFile;
    if (options.userFile) {
        userFile = openInput(*options.userFile, errors);
    }
    if (!inputsOpened || (options.userFile && !userFile.isOpen())) {
        errors.flush();
        return kCannotRun;
    }
    return convertInputs(options, inputs, userFile, output, errors);
}

// Written without allocating, since running out of memory is the likely cause.
int reportFailedRun(SystemFile& standardError, std::string_view message) {
    standardError.writeAll(message);
    return kCannotRun;
}

} // namespace

int main(int argc, char** argv) {
    ignoreBrokenPipes();
    returnLargeBlocksWhenFreed();
    showUtf8OnConsole();
    SystemFile standardOutput = SystemFile::standardOutput();
    SystemFile standardError = SystemFile::standardError();
    try {
        OutputBuffer output(standardOutput);
        OutputBuffer separateErrors(standardError, &output);
        // With both streams on one file (2>&1), one buffer keeps every message right after the
        // result of its line.
        OutputBuffer& errors = standardOutput.isSameFileAs(standardError) ? output : separateErrors;
        return run(programArguments(argc, argv), output, errors);
    } catch (const std::bad_alloc&) {
        return reportFailedRun(standardError,
                               "vemlik-cli: nedostatek paměti, převod byl přerušen\n");
    } catch (...) {
        return reportFailedRun(standardError, "vemlik-cli: vnitřní chyba, převod byl přerušen\n");
    }
}
