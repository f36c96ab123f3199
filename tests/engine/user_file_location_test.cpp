#include "user_file_location.h"

#include "private_home.h"
#include "recording_sink.h"
#include "unit_table.h"
#include "user_conversion_file.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vemlik {
namespace {

struct Place {
    bool fileBeside;
    const char* dataHome;
    const char* home;
    std::string expected; // after the program's directory when relative
};

TEST(UserFileLocation, FileBesideTheExecutableWinsOtherwiseTheUsersDataFolder) {
    const testing::TemporaryDirectory withFile;
    withFile.write("Prevody.kfc", "");
    const testing::TemporaryDirectory without;
    const Place places[] = {
        {true, "/data", "/home/eva", "Prevody.kfc"},
        {false, "/data", "/home/eva", "/data/vemlik/Prevody.kfc"},
        {false, "", "/home/eva", "/home/eva/.local/share/vemlik/Prevody.kfc"},
        {false, nullptr, "/home/eva", "/home/eva/.local/share/vemlik/Prevody.kfc"},
        // The XDG rules ignore a relative path.
        {false, "data", "/home/eva", "/home/eva/.local/share/vemlik/Prevody.kfc"},
        {false, nullptr, nullptr, "Prevody.kfc"},
    };
    for (const auto& [fileBeside, dataHome, home, expected] : places) {
        const std::string program = (fileBeside ? withFile : without).directoryName();
        EXPECT_EQ(userConversionFileName(program, dataHome, home),
                  expected.front() == '/' ? expected : program + expected)
            << fileBeside << ' ' << (dataHome ? dataHome : "unset");
    }
}

// A new installation: nothing beside the executable, no data folder yet. The first permanent
// unit creates the folder with its parents, and the next start reads it from there.
TEST(UserFileLocation, FirstAppendCreatesTheDataFolderAndTheNextStartReadsIt) {
    const testing::PrivateHome home;
    const testing::TemporaryDirectory program;
    testing::RecordingSink sink;
    UnitTable units;
    initialiseEngine(units, sink, program.directoryName());
    EXPECT_EQ(units.userFileName, home.userFileName());
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(home.userFileName()).parent_path()));

    ASSERT_TRUE(appendUserConversionRecord(units.userFileName, {"versta", 1066.8, 5}));
    EXPECT_EQ(home.readUserFile(), "versta, 1066.8 , 5 \r\n");
    initialiseEngine(units, sink, program.directoryName());
    EXPECT_EQ(units.userRowCount, 1);
    EXPECT_TRUE(sink.messages.empty());
}

} // namespace
} // namespace vemlik
