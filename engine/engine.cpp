#include "vemlik/engine.h"

#include "block_conversion.h"
#include "dimension_code.h"
#include "line_converter.h"
#include "number_reader.h"
#include "operand_state.h"
#include "result_format.h"
#include "results_file_format.h"
#include "text_file_appender.h"
#include "unit_expression.h"
#include "unit_table.h"
#include "user_conversion_file.h"
#include "user_file_location.h"
#include "user_unit.h"
#include "vemlik/system_file.h"

#include <cassert>
#include <cstdint>

namespace vemlik {

namespace {

// The engine keeps the unit texts of a line until the next line replaces them.
void releaseLongTexts(OperandState& operands) {
    releaseLongText(operands.targetText);
    releaseLongText(operands.sourceText);
}

// The unit written after the value of a line: the target unit as typed, else the source's
// dimension in base units, else none.
void appendUnitShown(std::string& text, const OperandState& operands) {
    if (!operands.targetText.empty()) {
        text += operands.targetText;
    } else if (!operands.sourceText.empty()) {
        text += resultUnitText(operands.conversion.source.vector);
    }
}

// Other windows and vemlik-cli may append to the same file.
AppendOutcome appendUnderLock(TextFileAppender& file, std::string_view text) {
    const FileLock lock = file.lock();
    return file.append(text);
}

// Whether a row before the last one, the unit just added, has the abbreviation as lookups
// compare them.
bool knownBeforeLastRow(const UnitTable& units, std::string_view abbreviation) {
    const int first = units.find(abbreviation);
    return first > 0 && first < units.rowCount();
}

// Tells why a unit stays for this run only; true when the user file takes it.
bool toldUnlessNone(RecordRefusal refusal, const std::string& fileName,
                    std::string_view abbreviation, MessageSink& messages) {
    switch (refusal) {
    case RecordRefusal::None:
        return true;
    case RecordRefusal::TableFull:
        messages.showMessage("Tabulka jednotek je plná, převod nelze zapsat do souboru " +
                             fileName + ", platí jen do ukončení programu!");
        break;
    case RecordRefusal::AbbreviationTaken:
        messages.showMessage("V souboru " + fileName + " je již jiný převod " +
                             std::string(abbreviation) + ", tento platí jen do ukončení programu!");
        break;
    case RecordRefusal::NotWritten:
        messages.showMessage("Převod nelze zapsat do souboru " + fileName +
                             ", platí jen do ukončení programu!");
        break;
    }
    return false;
}

} // namespace

struct Engine::State {
    UnitTable units;
    LineConverter lines{units};
    OperandState operands;
    std::string userFileName;
    TextFileAppender resultsFile;
};

Engine::Engine() : state_(std::make_unique<State>()) {}

Engine::~Engine() = default;

void Engine::readUserFile(MessageSink& messages) {
    state_->userFileName = userConversionFileName(executableDirectory(), userDataFolder());
    readUserConversionFile(state_->units, state_->userFileName, messages);
}

void Engine::readUserFile(const std::string& fileName, ByteSource& file, MessageSink& messages) {
    state_->userFileName = fileName;
    addUserRecords(state_->units, messages, file, fileName);
}

std::optional<std::string> Engine::convertLine(std::string_view line,
                                               std::string_view decimalSeparator,
                                               MessageSink& messages) {
    std::string shown;
    if (!appendConvertedLine(line, decimalSeparator, messages, shown)) {
        return std::nullopt;
    }
    return shown;
}

bool Engine::appendConvertedLine(std::string_view line, std::string_view decimalSeparator,
                                 MessageSink& messages, std::string& text) {
    OperandState& operands = state_->operands;
    const LineResult result = state_->lines.convert(operands, messages, line);
    const bool converted = result.errorFlag == ErrorFlag::None;
    if (converted) {
        appendValue(text, result.firstValue, ValuePrecision::Single, decimalSeparator);
        text += ' ';
        appendUnitShown(text, operands);
    }
    releaseLongTexts(operands);
    return converted;
}

void Engine::takeSourceUnit(std::string_view unitText) {
    state_->operands.sourceText = unitText;
}

std::optional<UnitPair> Engine::takeTargetUnit(std::string_view unitText, MessageSink& messages) {
    OperandState& operands = state_->operands;
    operands.targetText = unitText;
    // The source is the one that Enter in the source field, or the last conversion line, left.
    const LineResult result = state_->lines.convert(
        operands, messages, unitPairLine(operands.targetText, operands.sourceText));
    if (result.errorFlag != ErrorFlag::None) {
        return std::nullopt;
    }
    return result.conversion.pair();
}

std::optional<BlockRow> Engine::convertBlockValue(const UnitPair& pair, std::string_view valueText,
                                                  std::string_view decimalSeparator,
                                                  MessageSink& messages) const {
    return vemlik::convertBlockValue(pair, valueText, decimalSeparator, messages);
}

void Engine::takeUserDimension(std::string_view dimensionText, MessageSink& messages) {
    const UnitExpressionValue dimension =
        parseUnitExpression(state_->units, messages, dimensionText);
    Operand& target = state_->operands.conversion.target;
    target.factor = dimension.factor;
    target.vector = dimension.vector;
    // The flag then tells at the confirmation whether this dimension had an unknown name.
    state_->operands.errorFlag = dimension.unknownName ? ErrorFlag::UnknownUnit : ErrorFlag::None;
}

bool Engine::takeUserFactor(std::string_view factorText, MessageSink& messages) {
    const std::optional<double> factor = parseFactorText(factorText);
    if (!factor) {
        messages.showMessage("Faktor není numerická hodnota!");
    }
    // A factor of 0 is refused at the confirmation.
    state_->operands.conversion.target.factor = factor.value_or(0);
    return factor.has_value();
}

std::optional<UnitRecord> Engine::addUserUnit(std::string_view abbreviation,
                                              std::string_view dimensionText,
                                              MessageSink& messages) {
    UnitTable& units = state_->units;
    const OperandState& operands = state_->operands;
    const Operand& dimension = operands.conversion.target;
    const UserUnitEntry entry{abbreviation, dimensionText, dimension, operands.errorFlag};
    if (const std::optional<std::string_view> refusal = userUnitRefusal(entry, units)) {
        messages.showMessage(*refusal);
        return std::nullopt;
    }
    const std::int64_t code = encodeDimensionCode(dimension.vector);
    // The exponents were checked, so the code fits in 32 bits; the table was not full.
    assert(code >= INT32_MIN && code <= INT32_MAX);
    [[maybe_unused]] const bool added =
        units.add(abbreviation, dimension.factor, static_cast<std::int32_t>(code));
    assert(added);
    return units.row(units.rowCount());
}

bool Engine::canWriteUserUnit(const UnitRecord& unit, MessageSink& messages) {
    const bool known = knownBeforeLastRow(state_->units, unit.abbreviation);
    return toldUnlessNone(userFileRefusal(state_->userFileName, unit.abbreviation, known),
                          state_->userFileName, unit.abbreviation, messages);
}

bool Engine::writeUserUnit(const UnitRecord& unit, MessageSink& messages) {
    const bool known = knownBeforeLastRow(state_->units, unit.abbreviation);
    return toldUnlessNone(appendUserConversionRecord(state_->userFileName, unit, known),
                          state_->userFileName, unit.abbreviation, messages);
}

bool Engine::openResultsFile(const std::string& fileName) {
    return state_->resultsFile.open(fileName);
}

bool Engine::resultsFileOpen() const {
    return state_->resultsFile.isOpen();
}

AppendOutcome Engine::appendConversion(std::string_view lineText, std::string_view resultText) {
    return appendUnderLock(state_->resultsFile, singleConversionLine(lineText, resultText));
}

AppendOutcome Engine::appendBlockTable(std::string_view sourceUnits, std::string_view targetUnits,
                                       std::string_view table) {
    return appendUnderLock(state_->resultsFile, blockTableSection(sourceUnits, targetUnits, table));
}

void Engine::closeResultsFile() {
    state_->resultsFile.close();
}

std::span<const UnitRecord> Engine::units() const {
    return state_->units.rows();
}

UnitCounts Engine::counts() const {
    return state_->units.counts();
}

const std::string& Engine::userFileName() const {
    return state_->userFileName;
}

} // namespace vemlik
