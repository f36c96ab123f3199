#include "user_conversion_file.h"
#include "user_file_location.h"

#include "environment.h"
#include "initialised_engine.h"
#include "vemlik/system_file.h"

#include <filesystem>
#include <limits>

namespace vemlik {
namespace {

using testing::Messages;
using testing::repeated;
using namespace std::string_view_literals;

// 65 497 bytes: with the longest number fields its record is 64 KiB.
const std::string kLongestAbbreviation = "a" + repeated("ž", 32748);

// The messages name the file read: a text read as "Prevody.kfc", or the file by its full name.
std::string malformedOn(int line, const std::string& file = "Prevody.kfc") {
    return "Chybné záznamy v souboru " + file + " byly vynechány (první na řádku " +
           std::to_string(line) + ")!";
}

class UserConversionFileTest : public testing::InitialisedEngine {
protected:
    // The table that the text's records make; the text is also the file that appends go to.
    void startWith(std::string_view bytes) {
        directory.write("Prevody.kfc", bytes);
        sink.messages.clear();
        units = std::make_unique<UnitTable>();
        TextSource text(bytes);
        addUserRecords(*units, sink, text, "Prevody.kfc");
    }
    // The same read from the file, piece by piece as the program reads it at start-up.
    void startWithFile(std::string_view bytes) {
        directory.write("Prevody.kfc", bytes);
        restart();
    }
    bool append(std::string abbreviation, double factor, std::int32_t code) {
        return appendUserConversionRecord(userFileName(), {std::move(abbreviation), factor, code},
                                          true) == RecordRefusal::None;
    }
};

// A blank stands where a sign could; every double and code reads back, also beside the longest
// abbreviation, whose record just fits the reader's line. A last line without its line end (an
// editor's save, printf without \r\n) must not swallow the record, or both units are lost at
// the next start.
TEST_F(UserConversionFileTest, AppendedRecordsReadBackTheSameRowsOnLinesOfTheirOwn) {
    EXPECT_TRUE(append("versta", 1066.8, 5));
    EXPECT_TRUE(append("záporná", -2.5E-7, -3));
    EXPECT_EQ(directory.read("Prevody.kfc"), "versta, 1066.8 , 5 \r\nzáporná,-2.5e-07 ,-3 \r\n");
    constexpr std::int32_t kLowest = std::numeric_limits<std::int32_t>::min();
    const std::vector<UnitRecord> extremes = {
        UnitRecord{"f", 1.0 / 3.0, std::numeric_limits<std::int32_t>::max()},
        UnitRecord{"f", -1.5e-300, kLowest}, UnitRecord{"f", 5e-324, kLowest},
        UnitRecord{"f", std::numeric_limits<double>::max(), kLowest},
        UnitRecord{kLongestAbbreviation, -2.2250738585072014e-308, kLowest}};
    for (const UnitRecord& extreme : extremes) {
        ASSERT_EQ(appendUserConversionRecord(userFileName(), extreme, true), RecordRefusal::None);
    }
    restart();
    EXPECT_TRUE(sink.messages.empty());
    ASSERT_EQ(units->rowCount(), 98);
    expectRows(94, extremes);
    for (const std::string before : {"versta, 1066.8 , 5 ", "versta, 1066.8 , 5 \r"}) {
        startWith(before);
        EXPECT_TRUE(append("sah", 2.1336, 5));
        EXPECT_EQ(directory.read("Prevody.kfc"), before + "\r\nsah, 2.1336 , 5 \r\n");
        restart();
        EXPECT_EQ(std::tuple(units->counts().userRows, sink.messages.size()), std::tuple(2, 0u))
            << before;
    }
}

TEST_F(UserConversionFileTest, ReadsRecordsWithOrWithoutTheBlanks) {
    startWith("\xEF\xBB\xBFversta, 1066.8 , 5 \r\n"
              "\n   \r\n"
              "  two words  ,+1.5E+3,+54\n"
              "c ,.5 , -5\r\n"
              "KM,5.,5\r\n"
              "f\",1e-09,6");
    ASSERT_EQ(units->rowCount(), 96);
    EXPECT_TRUE(sink.messages.empty());
    expectRows(92, {UnitRecord{"versta", 1066.8, 5}, UnitRecord{"two words", 1500, 54},
                    UnitRecord{"c", 0.5, -5}, UnitRecord{"KM", 5, 5}, UnitRecord{"f\"", 1e-9, 6}});
    EXPECT_EQ(units->find("KM"), 5); // stored, but the built-in km comes first
}

TEST_F(UserConversionFileTest, SkipsAndReportsMalformedRecords) {
    const std::string_view lines[] = {
        "   ,1,5",     "a",          "a,1",     "a,1,5,6",   "a\tb,1,5", "a\x7F,1,5",
        "a\u0085,1,5", "n\0l,1,5"sv, "a,1D3,5", "a,1e999,5", "a,inf,5",  "a,1e,5",
        "a,.,5",       "a,1 5,5",    "a,+-1,5", "a,1,5.0",   "a,1,+-5",  "a,1,2147483648"};
    for (const std::string_view line : lines) {
        startWith("ok,1,5\r\n\r\n" + std::string(line) + "\r\nok2,2,5\r\nbad\r\n");
        EXPECT_EQ(std::tuple(units->rowCount(), row(93).abbreviation, sink.messages),
                  std::tuple(93, "ok2", Messages{malformedOn(3)}))
            << line;
    }
}

// Reading stops at a full table. Past the last record only 4 MiB are read, so that blank lines
// or a hole of zero bytes hold the start no longer however long they run: the records after
// them are not read, and that is told.
TEST_F(UserConversionFileTest, StopsAtAFullTableAndReadsABoundedStretchPastTheLastRecord) {
    std::string records;
    for (int number = 1; number <= 9; ++number) {
        records += "u" + std::to_string(number) + ", " + std::to_string(number) + " , 5 \r\n";
    }
    startWith(records + "\r\n");
    EXPECT_EQ(std::tuple(units->rowCount(), sink.messages.size()), std::tuple(100, 0u));

    startWith(std::string(1 << 20, 'z') + ",1,5\r\n" + records + repeated("r, 1 , 5 \r\n", 10000));
    EXPECT_EQ(std::tuple(units->rowCount(), units->counts().userRows, row(100).abbreviation),
              std::tuple(100, 9, "u9"));
    EXPECT_EQ(sink.messages, (Messages{malformedOn(1), "Tabulka jednotek je plná, další převody "
                                                       "ze souboru Prevody.kfc nebyly načteny!"}));
    const auto readOnlyTo = [](const char* line, const std::string& file = "Prevody.kfc") {
        return "Soubor " + file + " byl načten jen po řádek " + std::string(line) +
               ", dál bylo příliš mnoho prázdných nebo chybných řádků!";
    };
    startWith(repeated("\r\n", 3 << 20) + "versta, 1066.8 , 5 \r\n");
    EXPECT_EQ(std::tuple(units->rowCount(), sink.messages),
              std::tuple(91, Messages{readOnlyTo("2097152")}));
    // 1 TiB, sparse so that it takes no room.
    directory.write("Prevody.kfc", "versta, 1066.8 , 5 \r\n");
    directory.lengthen("Prevody.kfc", std::uint64_t{1} << 40);
    restart();
    EXPECT_EQ(
        std::tuple(units->rowCount(), sink.messages),
        std::tuple(92, Messages{malformedOn(2, userFileName()), readOnlyTo("2", userFileName())}));
}

// Each line is decoded on its own, so one line saved in Windows-1250 does not turn the UTF-8
// abbreviations into other names; appends are in Windows-1250 only while no line is UTF-8.
TEST_F(UserConversionFileTest, EncodingIsDecidedLineByLine) {
    const std::string legacy = "\xD8\xE1\x64, 2 , 5 \r\nk\xF9\xF2, 3 , 544 \r\n";
    startWith(legacy);
    expectRows(92, {{"Řád", 2, 5}, {"kůň", 3, 544}});
    EXPECT_FALSE(append("šipka→", 1, 5));
    EXPECT_TRUE(append("měřič", 0.25, 5));
    EXPECT_EQ(directory.read("Prevody.kfc"), legacy + "m\xEC\xF8i\xE8, 0.25 , 5 \r\n");

    startWith("délka, 2 , 5 \r\n" + legacy);
    expectRows(92, {{"délka", 2, 5}, {"Řád", 2, 5}});
    EXPECT_TRUE(append("měřič", 0.25, 5));
    EXPECT_EQ(directory.read("Prevody.kfc"), "délka, 2 , 5 \r\n" + legacy + "měřič, 0.25 , 5 \r\n");
}

// Files from old systems end their lines with CR alone. Read from the file in pieces, CR LF
// split between two reads is still one line end, and a record longer than 64 KiB is malformed
// even when its fields would read, and is never held whole: the malformed lines' numbers show it.
TEST_F(UserConversionFileTest, LineEndsAndLongRecordsHoldAcrossReadsInPieces) {
    startWith("versta, 1066.8 , 5 \rsah, 2.1336 , 5 \r\r\nbod, 2 , 5 ");
    EXPECT_EQ(std::tuple(units->counts().userRows, sink.messages.size()), std::tuple(3, 0u));
    const std::string first = "versta, 1066.8 , 5";
    startWithFile(first + std::string(65535 - first.size(), ' ') + "\r\nchyba\r\n");
    EXPECT_EQ(std::tuple(units->counts().userRows, sink.messages),
              std::tuple(1, Messages{malformedOn(2, userFileName())}));
    startWithFile("versta," + std::string(64 * 1024, ' ') + "1066.8 , 5 \r\nsah, 2.1336 , 5 \r\n");
    EXPECT_EQ(std::tuple(units->counts().userRows, row(92).abbreviation, sink.messages),
              std::tuple(1, "sah", Messages{malformedOn(1, userFileName())}));
}

// A source that gives its text and then fails, as a disk with a bad sector does.
struct FailingSource : TextSource {
    using TextSource::TextSource;
    std::ptrdiff_t read(char* buffer, std::size_t size) override {
        const std::ptrdiff_t count = TextSource::read(buffer, size);
        return count > 0 ? count : -1;
    }
};

// The records before the fault are kept, and the fault is not taken for the end of the file.
TEST_F(UserConversionFileTest, AReadFaultIsToldAfterTheRecordsBeforeIt) {
    FailingSource file("versta, 1066.8 , 5 \r\nsah, 2.1");
    addUserRecords(*units, sink, file, "Prevody.kfc");
    EXPECT_EQ(std::tuple(units->counts().userRows, sink.messages),
              std::tuple(1, Messages{"Soubor Prevody.kfc se nepodařilo dočíst, další převody z něj "
                                     "nebyly načteny!"}));
}

TEST_F(UserConversionFileTest, RefusesRecordsThatWouldNotReadBackTheSame) {
    const double inf = std::numeric_limits<double>::infinity();
    for (const UnitRecord& record :
         {UnitRecord{"a,b", 1, 5}, UnitRecord{" a", 1, 5}, UnitRecord{"a ", 1, 5},
          UnitRecord{"", 1, 5}, UnitRecord{"a\r\nb", 1, 5}, UnitRecord{"a", inf, 5},
          UnitRecord{"a", std::numeric_limits<double>::quiet_NaN(), 5},
          UnitRecord{"a" + kLongestAbbreviation, 1, 5}}) {
        EXPECT_EQ(appendUserConversionRecord(userFileName(), record, true),
                  RecordRefusal::NotWritten)
            << record.abbreviation.substr(0, 10);
    }
    EXPECT_FALSE(std::filesystem::exists(userFileName()));
    // A folder in the file's place gives no rows and no message at start-up.
    std::filesystem::create_directory(userFileName());
    restart();
    EXPECT_EQ(std::tuple(units->rowCount(), sink.messages.size()), std::tuple(91, 0u));
}

// A file beside the executable wins; without one it lies in the data folder, which follows the
// XDG rules (a relative path is ignored) or on Windows is %APPDATA%, and without a data folder
// beside the executable.
TEST(UserFileLocation, BesideTheExecutableThenInTheDataFolder) {
    const testing::TemporaryDirectory program;
    const std::string folder = program.directoryName();
#ifdef _WIN32
    testing::setVariable("APPDATA", "data");
    EXPECT_EQ(userConversionFileName(folder, userDataFolder()), folder + "Prevody.kfc");
    testing::setVariable("APPDATA", "C:\\data");
    EXPECT_EQ(userConversionFileName(folder, userDataFolder()), "C:\\data\\vemlik\\Prevody.kfc");
#else
    // Names only: nothing is read or written there.
    testing::setVariable("HOME", "/home/eva");
    testing::setVariable("XDG_DATA_HOME", "data");
    EXPECT_EQ(userConversionFileName(folder, userDataFolder()),
              "/home/eva/.local/share/vemlik/Prevody.kfc");
    // A home that is not absolute would put the file under the current folder.
    testing::setVariable("HOME", "eva");
    EXPECT_EQ(userConversionFileName(folder, userDataFolder()), folder + "Prevody.kfc");
    testing::setVariable("XDG_DATA_HOME", "/data");
    EXPECT_EQ(userConversionFileName(folder, userDataFolder()), "/data/vemlik/Prevody.kfc");
#endif
    program.write("Prevody.kfc", "");
    EXPECT_EQ(userConversionFileName(folder, userDataFolder()), folder + "Prevody.kfc");
}

} // namespace
} // namespace vemlik
