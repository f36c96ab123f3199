// vemlik-cli: the conversions of the single conversion page for lines from files or a pipe.
#include "batch_conversion.h"
#include "command_line.h"
#include "identity.h"
#include "line_reader.h"
#include "locale_separator.h"
#include "output_buffer.h"
#include "system_file.h"
#include "unit_table_setup.h"

#include <cerrno>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <memory>
#include <new>
#include <string_view>
#include <unistd.h>

namespace {

using namespace vemlik;
using namespace vemlik::cli;

constexpr int kAllConverted = 0;
constexpr int kSomeLineFailed = 1;
constexpr int kCannotRun = 2;

std::string unreadableReason(int error) {
    switch (error) {
    case ENOENT:
        return "neexistuje";
    case EACCES:
        return "chybí oprávnění ke čtení";
    case EISDIR:
        return "je to adresář";
    default:
        return "nelze ho otevřít";
    }
}

void reportUnreadable(OutputBuffer& errors, const std::string& fileName, int error) {
    errors.append("vemlik-cli: soubor nelze číst: " + fileName + " (" + unreadableReason(error) +
                  ")\n");
}

// Opens every input before the first line is converted, so that a wrong name gives no
// partial output.
bool openInputs(const Options& options, OutputBuffer& errors, std::vector<LineReader>& inputs) {
    bool allOpened = true;
    if (options.inputFiles.empty()) {
        inputs.emplace_back(STDIN_FILENO);
    }
    for (const std::string& fileName : options.inputFiles) {
        const int fileDescriptor = openForReading(fileName);
        if (fileDescriptor < 0) {
            reportUnreadable(errors, fileName, errno);
            allOpened = false;
        } else {
            inputs.emplace_back(fileDescriptor);
        }
    }
    return allOpened;
}

// Opened once and handed on, as a pipe gives its lines to one reader only.
bool openUserFile(const Options& options, OutputBuffer& errors, SystemFile& userFile) {
    if (!options.userFile) {
        return true;
    }
    userFile = SystemFile::openForReading(*options.userFile, SystemFile::Kinds::anyReadable);
    if (!userFile.isOpen()) {
        reportUnreadable(errors, *options.userFile, errno);
        return false;
    }
    return true;
}

int reportUnwritable(OutputBuffer& errors) {
    errors.append("vemlik-cli: výstup nelze zapsat\n");
    errors.flush();
    return kCannotRun;
}

int convertInputs(const Options& options, std::vector<LineReader>& inputs, SystemFile& userFile,
                  OutputBuffer& output, OutputBuffer& errors) {
    const auto units = std::make_unique<UnitTable>();
    setUpUnitTable(*units, errors, options.userFile, userFile);
    const std::string separator =
        options.decimalSeparator.empty() ? localeDecimalSeparator() : options.decimalSeparator;
    BatchConversion batch(*units, separator, output, errors);
    for (std::size_t index = 0; index < inputs.size(); ++index) {
        const BatchConversion::Outcome outcome = batch.convertAll(inputs[index]);
        if (outcome == BatchConversion::Outcome::WriteFailed) {
            return reportUnwritable(errors);
        }
        if (outcome == BatchConversion::Outcome::ReadFailed) {
            const std::string name =
                options.inputFiles.empty() ? "standardní vstup" : options.inputFiles[index];
            errors.append("vemlik-cli: čtení se nezdařilo: " + name + "\n");
            batch.flush();
            return kCannotRun;
        }
    }
    if (!batch.flush()) {
        return reportUnwritable(errors);
    }
    return batch.anyLineFailed() ? kSomeLineFailed : kAllConverted;
}

int run(const std::vector<std::string>& arguments) {
    OutputBuffer output(STDOUT_FILENO);
    OutputBuffer errors(STDERR_FILENO, &output);
    const CommandLine commandLine = parseCommandLine(arguments);
    if (commandLine.options.helpWanted && commandLine.fault.empty()) {
        output.append(kUsageText);
        return output.flush() ? kAllConverted : kCannotRun;
    }
    if (commandLine.options.versionWanted && commandLine.fault.empty()) {
        output.append(std::string("vemlik-cli ") + kVersion + "\n");
        return output.flush() ? kAllConverted : kCannotRun;
    }
    if (!commandLine.fault.empty()) {
        errors.append("vemlik-cli: " + commandLine.fault + "\nNávod: vemlik-cli --help\n");
        errors.flush();
        return kCannotRun;
    }
    std::vector<LineReader> inputs;
    const bool inputsOpened = openInputs(commandLine.options, errors, inputs);
    SystemFile userFile;
    if (!openUserFile(commandLine.options, errors, userFile) || !inputsOpened) {
        errors.flush();
        return kCannotRun;
    }
    return convertInputs(commandLine.options, inputs, userFile, output, errors);
}

// Written without allocating, since running out of memory is the likely cause.
int reportFailedRun(std::string_view message) {
    const ssize_t ignored = ::write(STDERR_FILENO, message.data(), message.size());
    static_cast<void>(ignored);
    return kCannotRun;
}

} // namespace

int main(int argc, char** argv) {
    ignoreBrokenPipes();
#ifdef __GLIBC__
    // Blocks for long lines go back to the system when freed instead of staying resident.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc&) {
        return reportFailedRun("vemlik-cli: nedostatek paměti, převod byl přerušen\n");
    } catch (...) {
        return reportFailedRun("vemlik-cli: vnitřní chyba, převod byl přerušen\n");
    }
}
