#include "user_conversion_file.h"

#include "text_encoding.h"
#include "text_file_appender.h"
#include "text_scanning.h"
#include "unit_table.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <optional>
#include <string_view>
#include <system_error>

namespace vemlik {

namespace {

constexpr std::string_view kMalformedRecordsMessage =
    "Chybné záznamy v souboru Prevody.kfc byly vynechány (první na řádku ";
constexpr std::string_view kTableFullMessage =
    "Tabulka jednotek je plná, další převody ze souboru Prevody.kfc nebyly načteny!";

struct FileRecord {
    std::string_view abbreviation;
    double factor = 0;
    std::int32_t dimensionCode = 0;
};

// Only a regular file is read: a device or a directory under the file's name gives nothing.
std::optional<std::string> readWholeFile(const std::string& fileName) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error)) {
        return std::nullopt;
    }
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (file == nullptr) {
        return std::nullopt;
    }
    std::string contents;
    std::array<char, 65536> buffer;
    std::size_t count = 0;
    while ((count = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) {
        contents.append(buffer.data(), count);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return std::nullopt;
    }
    return contents;
}

// Takes the next line off the text; the line end (LF, or CR LF) is not part of it.
std::string_view takeLine(std::string_view& text) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

std::string_view withoutPlusSign(std::string_view number) {
    if (!number.empty() && number.front() == '+') {
        number.remove_prefix(1);
    }
    return number;
}

std::size_t skipSign(std::string_view text, std::size_t index) {
    return index < text.size() && (text[index] == '+' || text[index] == '-') ? index + 1 : index;
}

bool isInteger(std::string_view text) {
    const std::size_t digitsStart = skipSign(text, 0);
    return digitsStart < text.size() && digitsEnd(text, digitsStart) == text.size();
}

// Optional sign, digits with at most one decimal point, optional exponent: E or e, an
// optional sign and digits.
bool isDecimalNumber(std::string_view text) {
    const std::size_t integerStart = skipSign(text, 0);
    const std::size_t integerEnd = digitsEnd(text, integerStart);
    const bool point = integerEnd < text.size() && text[integerEnd] == '.';
    const std::size_t fractionEnd = point ? digitsEnd(text, integerEnd + 1) : integerEnd;
    const std::size_t digitCount = fractionEnd - integerStart - (point ? 1 : 0);
    if (digitCount == 0) {
        return false;
    }
    if (fractionEnd == text.size()) {
        return true;
    }
    return (text[fractionEnd] == 'E' || text[fractionEnd] == 'e') &&
           isInteger(text.substr(fractionEnd + 1));
}

std::optional<double> readFactor(std::string_view field) {
    const std::string_view number = withoutSurroundingBlanks(field);
    if (!isDecimalNumber(number)) {
        return std::nullopt;
    }
    const std::string_view digits = withoutPlusSign(number);
    double factor = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), factor);
    if (error != std::errc{} || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return factor;
}

std::optional<std::int32_t> readDimensionCode(std::string_view field) {
    const std::string_view number = withoutSurroundingBlanks(field);
    if (!isInteger(number)) {
        return std::nullopt;
    }
    const std::string_view digits = withoutPlusSign(number);
    std::int32_t code = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code);
    if (error != std::errc{} || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return code;
}

bool holdsControlCharacter(std::string_view text) {
    for (std::size_t index = 0; index < text.size(); ++index) {
        const auto byte = static_cast<unsigned char>(text[index]);
        const bool c1Control = byte == 0xC2 && index + 1 < text.size() &&
                               static_cast<unsigned char>(text[index + 1]) < 0xA0;
        if (byte < 0x20 || byte == 0x7F || c1Control) {
            return true;
        }
    }
    return false;
}

// An abbreviation that a record carries and gives back unchanged.
bool isStorableAbbreviation(std::string_view abbreviation) {
    return !abbreviation.empty() && withoutSurroundingBlanks(abbreviation) == abbreviation &&
           abbreviation.find(',') == std::string_view::npos &&
           !holdsControlCharacter(abbreviation) &&
           characterCount(abbreviation) <=
               static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max());
}

std::optional<FileRecord> readRecord(std::string_view line) {
    const std::size_t firstComma = line.find(',');
    const std::size_t secondComma =
        firstComma == std::string_view::npos ? firstComma : line.find(',', firstComma + 1);
    if (secondComma == std::string_view::npos ||
        line.find(',', secondComma + 1) != std::string_view::npos) {
        return std::nullopt;
    }
    FileRecord record;
    record.abbreviation = withoutSurroundingBlanks(line.substr(0, firstComma));
    const std::optional<double> factor =
        readFactor(line.substr(firstComma + 1, secondComma - firstComma - 1));
    const std::optional<std::int32_t> code = readDimensionCode(line.substr(secondComma + 1));
    if (!isStorableAbbreviation(record.abbreviation) || !factor || !code) {
        return std::nullopt;
    }
    record.factor = *factor;
    record.dimensionCode = *code;
    return record;
}

std::string_view withoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    return text;
}

// A number in its field: one blank in front when it has no minus sign, one blank after.
void appendNumberField(std::string& record, std::string_view number) {
    if (number.front() != '-') {
        record += ' ';
    }
    record += number;
    record += ' ';
}

std::optional<std::string> recordText(const UnitRecord& row) {
    if (!isStorableAbbreviation(row.abbreviation) || !std::isfinite(row.factor)) {
        return std::nullopt;
    }
    // Shortest digits that read back as the same double; a point whatever the locale.
    std::array<char, 32> factor;
    const auto factorEnd = std::to_chars(factor.data(), factor.data() + factor.size(), row.factor);
    std::array<char, 16> code;
    const auto codeEnd = std::to_chars(code.data(), code.data() + code.size(), row.dimensionCode);

    std::string record = row.abbreviation;
    record += ',';
    appendNumberField(record, std::string_view(factor.data(), factorEnd.ptr));
    record += ',';
    appendNumberField(record, std::string_view(code.data(), codeEnd.ptr));
    record += "\r\n";
    return record;
}

} // namespace

int readUserConversionFile(UnitTable& units, MessageSink& messages) {
    std::optional<std::string> bytes = readWholeFile(units.userFileName);
    if (!bytes) {
        return 0;
    }
    const std::string text = isValidUtf8(*bytes) ? std::move(*bytes) : windows1250ToUtf8(*bytes);
    std::string_view rest = withoutByteOrderMark(text);

    int recordsRead = 0;
    std::size_t firstMalformedLine = 0;
    bool tableFull = false;
    for (std::size_t lineNumber = 1; !rest.empty() && !tableFull; ++lineNumber) {
        const std::string_view line = takeLine(rest);
        if (withoutSurroundingBlanks(line).empty()) {
            continue;
        }
        const std::optional<FileRecord> record = readRecord(line);
        if (!record) {
            if (firstMalformedLine == 0) {
                firstMalformedLine = lineNumber;
            }
        } else if (addUserUnit(units, record->abbreviation, record->factor,
                               record->dimensionCode)) {
            ++recordsRead;
        } else {
            tableFull = true;
        }
    }

    if (firstMalformedLine > 0) {
        messages.showMessage(std::string(kMalformedRecordsMessage) +
                             std::to_string(firstMalformedLine) + ")!");
    }
    if (tableFull) {
        messages.showMessage(kTableFullMessage);
    }
    return recordsRead;
}

bool appendUserConversionRecord(const std::string& fileName, const UnitRecord& row) {
    const std::optional<std::string> record = recordText(row);
    if (!record) {
        return false;
    }
    TextFileAppender file;
    return file.open(fileName) && file.append(*record);
}

} // namespace vemlik
