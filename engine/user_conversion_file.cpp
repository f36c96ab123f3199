#include "user_conversion_file.h"

#include "number_reader.h"
#include "text_file_appender.h"
#include "text_scanning.h"
#include "vemlik/line_splitter.h"
#include "vemlik/system_file.h"
#include "vemlik/text_encoding.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace vemlik {

namespace {

// The most that a record puts beside its abbreviation, so that every record of an abbreviation
// that fits reads back: a comma, the factor with its sign or blank and a blank after it
// (-2.2250738585072014e-308 ), a comma and the code the same way (-2147483648 ).
constexpr std::size_t kLongestNumberFields = 1 + 25 + 1 + 12;
// Records are short; a block of this size holds many.
constexpr std::size_t kBlockSize = 64 * 1024;
// Past its last record a file is read only this far, so that blank or malformed lines, or a
// hole of zero bytes, hold the start no longer however long they run.
constexpr std::uint64_t kStretchWithoutRecord = 4 * 1024 * 1024;

// Hands on the file's bytes until a stretch of that length has passed since the last record;
// after that it reads as a fault, which leaves the unfinished line out.
class StretchLimit : public ByteSource {
public:
    explicit StretchLimit(ByteSource& file) : file_(file) {}
    std::ptrdiff_t read(char* buffer, std::size_t size) override {
        if (left_ == 0) {
            reached_ = true;
            return -1;
        }
        const std::ptrdiff_t count = file_.read(buffer, std::min<std::uint64_t>(size, left_));
        left_ -= static_cast<std::uint64_t>(std::max<std::ptrdiff_t>(count, 0));
        return count;
    }
    void recordFound() { left_ = kStretchWithoutRecord; }
    bool reached() const { return reached_; }

private:
    ByteSource& file_;
    std::uint64_t left_ = kStretchWithoutRecord;
    bool reached_ = false;
};

// What reading met, told once it has ended.
struct ReadingEnd {
    std::size_t linesRead = 0;
    std::size_t firstMalformedLine = 0;
    bool tableFull = false;
    bool stretchTooLong = false;
    bool readFailed = false;
};

// The messages name the file that was read, which need not be the usual Prevody.kfc.
void tellHowReadingEnded(MessageSink& messages, const ReadingEnd& end, std::string_view fileName) {
    const std::string file(fileName);
    if (end.firstMalformedLine > 0) {
        messages.showMessage("Chybné záznamy v souboru " + file +
                             " byly vynechány (první na řádku " +
                             std::to_string(end.firstMalformedLine) + ")!");
    }
    if (end.tableFull) {
        messages.showMessage("Tabulka jednotek je plná, další převody ze souboru " + file +
                             " nebyly načteny!");
    } else if (end.stretchTooLong) {
        messages.showMessage("Soubor " + file + " byl načten jen po řádek " +
                             std::to_string(end.linesRead) +
                             ", dál bylo příliš mnoho prázdných nebo chybných řádků!");
    } else if (end.readFailed) {
        messages.showMessage("Soubor " + file +
                             " se nepodařilo dočíst, další převody z něj nebyly načteny!");
    }
}

struct FileRecord {
    std::string_view abbreviation;
    double factor = 0;
    std::int32_t dimensionCode = 0;
};

std::string_view withoutPlusSign(std::string_view number) {
    if (!number.empty() && number.front() == '+') {
        number.remove_prefix(1);
    }
    return number;
}

bool isInteger(std::string_view text) {
    const std::size_t digitsStart = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    return digitsStart < text.size() && digitsEnd(text, digitsStart) == text.size();
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
        if (controlCharacterLength(text, index) > 0) {
            return true;
        }
    }
    return false;
}

// The fields are split and the numbers read on the bytes as they are: commas, blanks, signs and
// digits are the same bytes in both encodings, and most malformed lines fail there cheaply.
// Only then is the encoding decided, for each line on its own, so that one line saved by an
// old editor does not turn the file's UTF-8 abbreviations into other names: valid UTF-8 is
// taken as it is, anything else as Windows-1250.
std::optional<FileRecord> readRecord(std::string_view line, std::string& decoded) {
    const std::size_t firstComma = line.find(',');
    const std::size_t secondComma =
        firstComma == std::string_view::npos ? firstComma : line.find(',', firstComma + 1);
    if (secondComma == std::string_view::npos ||
        line.find(',', secondComma + 1) != std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<std::int32_t> code = readDimensionCode(line.substr(secondComma + 1));
    const std::optional<double> factor =
        code ? parseRecordNumber(withoutSurroundingBlanks(
                   line.substr(firstComma + 1, secondComma - firstComma - 1)))
             : std::nullopt;
    if (!factor) {
        return std::nullopt;
    }
    std::string_view abbreviation = withoutSurroundingBlanks(line.substr(0, firstComma));
    if (!isValidUtf8(abbreviation)) {
        decoded = windows1250ToUtf8(abbreviation);
        abbreviation = decoded;
    }
    if (!isStorableAbbreviation(abbreviation)) {
        return std::nullopt;
    }
    return FileRecord{abbreviation, *factor, *code};
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

// What the next start would make of one more record, from the rows it would read from the file.
RecordRefusal refusalByContents(SystemFile& file, std::string_view abbreviation,
                                bool knownToThisRun) {
    UnitTable nextStart;
    DiscardingSink unread;
    if (file.isOpen()) {
        addUserRecords(nextStart, unread, file, {});
    }
    if (nextStart.isFull()) {
        return RecordRefusal::TableFull;
    }
    const bool taken = nextStart.find(abbreviation) > kBuiltInCount;
    return taken && !knownToThisRun ? RecordRefusal::AbbreviationTaken : RecordRefusal::None;
}

} // namespace

bool isStorableAbbreviation(std::string_view abbreviation) {
    return !abbreviation.empty() && withoutSurroundingBlanks(abbreviation) == abbreviation &&
           abbreviation.find(',') == std::string_view::npos &&
           !holdsControlCharacter(abbreviation) &&
           abbreviation.size() <= kRecordLineLimit - kLongestNumberFields &&
           characterCount(abbreviation) <=
               static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max());
}

int addUserRecords(UnitTable& units, MessageSink& messages, ByteSource& file,
                   std::string_view fileName) {
    StretchLimit stretch(file);
    LineSplitter lines(stretch, kRecordLineLimit, kBlockSize);
    std::string decoded;
    ReadingEnd end;
    int recordsRead = 0;
    std::optional<LineSplitter::Line> line;
    while (!end.tableFull && (line = lines.next())) {
        ++end.linesRead;
        const std::string_view text =
            end.linesRead == 1 ? withoutByteOrderMark(line->text) : line->text;
        if (!line->tooLong && withoutSurroundingBlanks(text).empty()) {
            continue;
        }
        const std::optional<FileRecord> record =
            line->tooLong ? std::nullopt : readRecord(text, decoded);
        if (!record) {
            end.firstMalformedLine =
                end.firstMalformedLine == 0 ? end.linesRead : end.firstMalformedLine;
        } else if (units.add(record->abbreviation, record->factor, record->dimensionCode)) {
            ++recordsRead;
            stretch.recordFound();
        } else {
            end.tableFull = true;
        }
    }
    end.stretchTooLong = stretch.reached() && !units.isFull();
    end.readFailed = lines.failed() && !stretch.reached();
    tellHowReadingEnded(messages, end, fileName);
    return recordsRead;
}

int readUserConversionFile(UnitTable& units, const std::string& fileName, MessageSink& messages) {
    SystemFile file = SystemFile::openForReading(fileName, SystemFile::Kinds::RegularOnly);
    if (!file.isOpen()) {
        return 0;
    }
    return addUserRecords(units, messages, file, fileName);
}

RecordRefusal userFileRefusal(const std::string& fileName, std::string_view abbreviation,
                              bool knownToThisRun) {
    SystemFile file = SystemFile::openForReading(fileName, SystemFile::Kinds::RegularOnly);
    const FileLock lock(file);
    return refusalByContents(file, abbreviation, knownToThisRun);
}

RecordRefusal appendUserConversionRecord(const std::string& fileName, const UnitRecord& row,
                                         bool knownToThisRun) {
    std::optional<std::string> record = recordText(row);
    if (!record || !createFolderOf(fileName)) {
        return RecordRefusal::NotWritten;
    }
    TextFileAppender file;
    if (!file.open(fileName)) {
        return RecordRefusal::NotWritten;
    }
    const FileLock lock = file.lock();
    // Read through a descriptor of its own, which the lock that the append holds lets through.
    SystemFile contents = SystemFile::openForReading(fileName, SystemFile::Kinds::RegularOnly);
    const RecordRefusal refusal = refusalByContents(contents, row.abbreviation, knownToThisRun);
    if (refusal != RecordRefusal::None) {
        return refusal;
    }
    // A last line without its line end would swallow the record, and both would be lost.
    if (file.endsMidLine()) {
        record->insert(0, "\r\n");
    }
    return file.append(*record) == AppendOutcome::Written ? RecordRefusal::None
                                                          : RecordRefusal::NotWritten;
}

} // namespace vemlik
