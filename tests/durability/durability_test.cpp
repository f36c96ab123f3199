// A success is reported only once the bytes are on the disk: the file itself, and the folders
// whose entries the append created. The system's sync calls are replaced here by ones that
// note the file's name and then sync as before.
#include "temporary_directory.h"
#include "text_file_appender.h"
#include "user_conversion_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <dlfcn.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::string> synced;

int noted(int descriptor, const char* call) {
    char name[PATH_MAX];
    const ssize_t length =
        readlink(("/proc/self/fd/" + std::to_string(descriptor)).c_str(), name, sizeof name);
    synced.emplace_back(name, length > 0 ? static_cast<std::size_t>(length) : 0);
    using Sync = int (*)(int);
    return reinterpret_cast<Sync>(dlsym(RTLD_NEXT, call))(descriptor);
}

} // namespace

extern "C" int fsync(int descriptor) {
    return noted(descriptor, "fsync");
}
extern "C" int fdatasync(int descriptor) {
    return noted(descriptor, "fdatasync");
}

TEST(Durability, PermanentUnitsAndResultsAreOnTheDiskWithTheFoldersCreatedForThem) {
    const vemlik::testing::TemporaryDirectory directory;
    const std::string root = directory.path().string();
    synced.clear();
    ASSERT_TRUE(vemlik::appendUserConversionRecord(root + "/share/vemlik/Prevody.kfc",
                                                   {"versta", 1066.8, 5}));
    EXPECT_THAT(synced, ::testing::IsSupersetOf({root + "/share/vemlik/Prevody.kfc",
                                                 root + "/share/vemlik", root + "/share", root}));
    // Every append to a results file, not only the first.
    vemlik::TextFileAppender file;
    ASSERT_TRUE(file.open(root + "/a.pre"));
    for (const char* line : {"36 km/h       =  10,000 m/s\r\n", "C 100 F       =  37,778 C\r\n"}) {
        synced.clear();
        ASSERT_EQ(file.append(line), vemlik::AppendOutcome::written);
        EXPECT_THAT(synced, ::testing::Contains(root + "/a.pre")) << line;
    }
}
