#include "batch_conversion.h"

#include "vemlik/text_encoding.h"

#include <algorithm>

namespace vemlik::cli {

namespace {

// Large reads: a batch is read far faster in big blocks.
constexpr std::size_t kBlockSize = std::size_t{1} << 20;

constexpr std::string_view kFailedLine = "CHYBA !\n";

// Files written on Czech systems are often in Windows-1250; a line that is not UTF-8 is read so.
// It is recoded piece by piece and no further than just past the limit, since recoding can make
// a line three times as long.
std::string_view asUtf8(std::string_view line, std::string& recoded) {
    if (isValidUtf8(line)) {
        return line;
    }
    constexpr std::size_t kPiece = std::size_t{1} << 16;
    recoded.reserve(std::min(3 * line.size(), kMaxLineLength + 3 * kPiece));
    for (std::size_t start = 0; start < line.size() && recoded.size() <= kMaxLineLength;
         start += kPiece) {
        recoded += windows1250ToUtf8(line.substr(start, kPiece));
    }
    return recoded;
}

} // namespace

BatchConversion::BatchConversion(Engine& engine, std::string decimalSeparator, OutputBuffer& output,
                                 OutputBuffer& errors)
    : engine_(engine), decimalSeparator_(std::move(decimalSeparator)), output_(output),
      errors_(errors), messages_(errors) {}

BatchConversion::Outcome BatchConversion::convertAll(ByteSource& input) {
    LineSplitter lines(input, kMaxLineLength, kBlockSize);
    for (;;) {
        // Someone typing lines sees each result before the tool waits for the next line.
        if (!lines.hasBufferedLine()) {
            flush();
        }
        if (output_.failed() || errors_.failed()) {
            return Outcome::WriteFailed;
        }
        const std::optional<LineSplitter::Line> line = lines.next();
        if (!line) {
            return lines.failed() ? Outcome::ReadFailed : Outcome::Finished;
        }
        convert(*line);
    }
}

void BatchConversion::convert(const LineSplitter::Line& line) {
    messages_.startLine(++lineNumber_);
    std::string recoded;
    const std::string_view text = line.tooLong ? std::string_view() : asUtf8(line.text, recoded);
    // The limit holds for the line as converted, so that the copies conversion makes of it
    // stay within bounds: recoded, a line can grow to three times its bytes.
    if (line.tooLong || text.size() > kMaxLineLength) {
        messages_.showMessage("řádek je delší než 16 MiB");
        writeFailure();
    } else if (text.find_first_not_of(' ') == std::string_view::npos) {
        // Output lines match input lines, and a blank line asks for nothing.
        output_.append('\n');
    } else {
        writeResult(text);
    }
    messages_.writeMessages();
}

// The result goes straight into the output, without a string of its own.
void BatchConversion::writeResult(std::string_view line) {
    const bool converted = output_.appendInPlace([&](std::string& output) {
        const bool shown = engine_.appendConvertedLine(line, decimalSeparator_, messages_, output);
        output += shown ? std::string_view("\n") : kFailedLine;
        return shown;
    });
    anyLineFailed_ = anyLineFailed_ || !converted;
}

void BatchConversion::writeFailure() {
    output_.append(kFailedLine);
    anyLineFailed_ = true;
}

bool BatchConversion::flush() {
    // The messages' buffer writes the results first: none comes out ahead of the lines before it.
    return errors_.flush() && !output_.failed();
}

} // namespace vemlik::cli
