#pragma once

#include "vemlik/message_sink.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vemlik {

class ByteSource;

// One unit of the unit table.
struct UnitRecord {
    std::string abbreviation; // UTF-8, letter case as written
    double factor = 0;        // the value of one unit in SI base units
    std::int32_t dimensionCode = 0;
};

struct UnitCounts {
    int userRows = 0;
    int builtInRows = 0;
};

// What a block page converts its values with, once Enter in its target field has accepted the
// pair: a value x becomes (x × sourceFactor + sourceOffset) / targetFactor + targetOffset.
struct UnitPair {
    double sourceFactor = 1;
    double sourceOffset = 0;
    double targetFactor = 1;
    double targetOffset = 0;
};

// One value of a block page: as typed, with its first decimal comma turned into a point, and
// converted, as the page shows them.
struct BlockRow {
    std::string valueText;
    std::string resultText;

    // The row of the page's table: both texts, a TAB between them, and a line end.
    std::string tableLine() const;
};

enum class AppendOutcome { Written, Failed, FileGone };

// The unit engine of one run. It owns the unit table, which only grows, and what the pages share
// on purpose: the operands of the last conversion line or dimension (a conversion on one page
// replaces what another left), and the one results file. Each operation is one thing that a page
// or vemlik-cli does; messages go to the sink that the caller hands over.
class Engine {
public:
    // The built-in units only.
    Engine();
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Start-up: adds the units of the user's Prevody.kfc, the one beside the executable when
    // there is one, else the one in the user's data folder. A missing file adds none, silently.
    void readUserFile(MessageSink& messages);
    // vemlik-cli --prevody: adds the units of the named file instead, already open (a pipe too).
    void readUserFile(const std::string& fileName, ByteSource& file, MessageSink& messages);

    // The single conversion page and every line of vemlik-cli: the value of the line's first
    // item, one blank and its unit, as the page shows them; nothing when any item met a fault.
    std::optional<std::string> convertLine(std::string_view line, std::string_view decimalSeparator,
                                           MessageSink& messages);
    // The same, appended to the text, which is left as it was when any item met a fault: a
    // batch writes its results in place, without a string for each line.
    bool appendConvertedLine(std::string_view line, std::string_view decimalSeparator,
                             MessageSink& messages, std::string& text);

    // The block conversion page. Enter in the source field keeps its unit as the source of the
    // next pair; Enter in the target field converts "target 1 source" and gives the pair when
    // that met no fault. A value whose result is beyond the range of a double gives no row.
    void takeSourceUnit(std::string_view unitText);
    std::optional<UnitPair> takeTargetUnit(std::string_view unitText, MessageSink& messages);
    std::optional<BlockRow> convertBlockValue(const UnitPair& pair, std::string_view valueText,
                                              std::string_view decimalSeparator,
                                              MessageSink& messages) const;

    // The user conversion page. Enter in the dimension field evaluates it like a target unit;
    // Enter in the factor field replaces the factor, or makes it 0 when the text is no number.
    void takeUserDimension(std::string_view dimensionText, MessageSink& messages);
    bool takeUserFactor(std::string_view factorText, MessageSink& messages);
    // The confirmation: adds the unit with the dimension and factor taken last, or tells why it
    // can't be stored and adds nothing.
    std::optional<UnitRecord> addUserUnit(std::string_view abbreviation,
                                          std::string_view dimensionText, MessageSink& messages);
    // Whether the user file, as it holds now, takes the unit just added for the next runs: the
    // next start must have room for it, and no record of the same abbreviation that this run
    // does not know (another window stored it since) may come first. Tells why not; the unit
    // then stays for this run only.
    bool canWriteUserUnit(const UnitRecord& unit, MessageSink& messages);
    // Appends the unit just added to the user file, for the next runs, once the file, looked at
    // again as canWriteUserUnit does with no other append coming between, takes it; tells when
    // it could not.
    bool writeUserUnit(const UnitRecord& unit, MessageSink& messages);

    // The results file that the conversion pages append to, in the encoding it already has.
    // Every append is on the disk, whole, when it is reported written.
    bool openResultsFile(const std::string& fileName);
    bool resultsFileOpen() const;
    AppendOutcome appendConversion(std::string_view lineText, std::string_view resultText);
    // A block table as the page holds it, its rows ended by LF.
    AppendOutcome appendBlockTable(std::string_view sourceUnits, std::string_view targetUnits,
                                   std::string_view table);
    void closeResultsFile();

    // The overview window and the status bar.
    std::span<const UnitRecord> units() const;
    UnitCounts counts() const;
    // Where the user units were read from and are appended to.
    const std::string& userFileName() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace vemlik
