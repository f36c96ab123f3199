// A success is reported only once the bytes are on the disk: the file itself, and the folders
// whose entries the append created. The system's sync calls are replaced here by ones that
// note the file's name and then sync as before.
#include "recording_sink.h"
#include "temporary_directory.h"
#include "vemlik/engine.h"

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
    setenv("XDG_DATA_HOME", (root + "/share").c_str(), 1);
    vemlik::testing::RecordingSink sink;
    vemlik::Engine engine;
    engine.readUserFile(sink);
    engine.takeUserDimension("m", sink);
    ASSERT_TRUE(engine.takeUserFactor("1066.8", sink));
    const std::optional<vemlik::UnitRecord> versta = engine.addUserUnit("versta", "m", sink);
    synced.clear();
    ASSERT_TRUE(versta && engine.writeUserUnit(*versta, sink));
    EXPECT_THAT(synced, ::testing::IsSupersetOf({root + "/share/vemlik/Prevody.kfc",
                                                 root + "/share/vemlik", root + "/share", root}));
    // Every append to a results file, not only the first.
    ASSERT_TRUE(engine.openResultsFile(root + "/a.pre"));
    for (const char* line : {"36 km/h", "C 100 F"}) {
        synced.clear();
        ASSERT_EQ(engine.appendConversion(line, "x"), vemlik::AppendOutcome::Written);
        EXPECT_THAT(synced, ::testing::Contains(root + "/a.pre")) << line;
    }
}
