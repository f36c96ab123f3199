#include "results_file_format.h"

#include <gtest/gtest.h>

namespace vemlik {
namespace {

const std::string kHead = "\r\nVýchozí rozměr  Požadovaný rozměr\r\n";

// The result starts at the next print zone, counted in characters; a line that fills its zone
// gets a whole zone of blanks.
TEST(ResultsFileFormat, SingleConversionLinePadsTheLineToTheNextPrintZone) {
    EXPECT_EQ(singleConversionLine("36 km/h", "10,000 m/s"), "36 km/h       =  10,000 m/s\r\n");
    EXPECT_EQ(singleConversionLine("třináct znaků", "x"), "třináct znaků =  x\r\n");
    EXPECT_EQ(singleConversionLine("14 characters!", ""),
              "14 characters!" + std::string(14, ' ') + "=  \r\n");
}

TEST(ResultsFileFormat, BlockTableSectionFramesTheRowsUpToALineOfOneBlank) {
    EXPECT_EQ(blockTableSection("km/h", "m/s", "154.5\t42,917\r\n36\t10,000\r\n"),
              kHead + "km/h" + std::string(12, ' ') +
                  "m/s\r\n154.5\t42,917\r\n36\t10,000\r\n \r\n");
    // An empty table still gives the whole frame.
    EXPECT_EQ(blockTableSection("", "", ""), kHead + std::string(16, ' ') + "\r\n \r\n");
    EXPECT_EQ(blockTableSection("C", "K", "20\t293,15\r\n \r\n30\t303,15\r\n"),
              kHead + "C" + std::string(15, ' ') + "K\r\n20\t293,15\r\n \r\n");
    // A CR without its LF still ends a row, and the next row keeps its first character.
    EXPECT_EQ(blockTableSection("C", "K", "20\t293,15\r30\t303,15\r\n"),
              blockTableSection("C", "K", "20\t293,15\r\n30\t303,15\r\n"));
    // Text after the last CR is left out.
    EXPECT_EQ(blockTableSection("C", "K", "20\t293,15\r\n30\t303"),
              blockTableSection("C", "K", "20\t293,15\r\n \r\n30\t303,15\r\n"));
}

TEST(ResultsFileFormat, BlockTargetUnitMovesOnByZoneAndStepForLongSourceUnits) {
    // 13 characters reach the first zone at 14, then column 16; 14 characters fill the zone,
    // so the next zone starts at 28 and the target at 32. Czech letters count once.
    EXPECT_EQ(blockTableSection("kcal/m2/h/C13", "W", ""), kHead + "kcal/m2/h/C13   W\r\n \r\n");
    EXPECT_EQ(blockTableSection("žžžžžžžžžžžžžž", "W", ""),
              kHead + "žžžžžžžžžžžžžž" + std::string(18, ' ') + "W\r\n \r\n");
}

} // namespace
} // namespace vemlik
