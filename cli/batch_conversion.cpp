#include "batch_conversion.h"

#include "single_conversion.h"
#include "text_encoding.h"

namespace vemlik::cli {

BatchConversion::BatchConversion(EngineState& state, std::string decimalSeparator,
                                 OutputBuffer& output, OutputBuffer& errors)
    : state_(state), decimalSeparator_(std::move(decimalSeparator)), output_(output),
      errors_(errors), messages_(errors) {}

bool BatchConversion::convertAll(LineReader& reader) {
    for (;;) {
        // Someone typing lines sees each result before the tool waits for the next line.
        if (!reader.hasBufferedLine()) {
            flush();
        }
        const std::optional<std::string_view> line = reader.nextLine();
        if (!line) {
            return !reader.failed();
        }
        convert(*line);
        if (output_.isFull() || errors_.isFull()) {
            flush();
        }
    }
}

// Files written on Czech systems are often in Windows-1250; a line that is not UTF-8 is read so.
void BatchConversion::convert(std::string_view line) {
    messages_.setLineNumber(++lineNumber_);
    std::string recoded;
    if (!isValidUtf8(line)) {
        recoded = windows1250ToUtf8(line);
        line = recoded;
    }
    const std::optional<std::string> shown =
        convertSingleLine(state_, messages_, line, decimalSeparator_);
    if (shown) {
        output_.append(*shown);
    } else {
        output_.append("CHYBA !");
        anyLineFailed_ = true;
    }
    output_.append('\n');
}

bool BatchConversion::flush() {
    // Results first, so that a message never comes out ahead of the lines before its own.
    writeFailed_ = !output_.flush() || writeFailed_;
    writeFailed_ = !errors_.flush() || writeFailed_;
    return !writeFailed_;
}

} // namespace vemlik::cli
