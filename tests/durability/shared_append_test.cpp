// Two processes append to one results file on a disk that runs full in the middle of an append:
// what the failed append cuts away must never be a line that the other process was told is
// written. The system's write is replaced here by one that holds this process's write to the
// file at its start, while the other process appends, which it may do at once unless appends
// are serialised.
#include "small_file_system.h"
#include "vemlik/engine.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The file whose next write from this process lets the other writer go first, while set.
struct stat heldFile {};
int toOtherWriter[2];
int fromOtherWriter[2];

bool isHeldFile(int descriptor) {
    struct stat status {};
    return heldFile.st_ino != 0 && fstat(descriptor, &status) == 0 &&
           status.st_dev == heldFile.st_dev && status.st_ino == heldFile.st_ino;
}

} // namespace

extern "C" ssize_t write(int descriptor, const void* bytes, size_t size) {
    using Write = ssize_t (*)(int, const void*, size_t);
    static const auto systemWrite = reinterpret_cast<Write>(dlsym(RTLD_NEXT, "write"));
    if (isHeldFile(descriptor)) {
        heldFile = {};
        // A second for the other writer: it appends and ends, or waits for this append.
        systemWrite(toOtherWriter[1], "g", 1);
        pollfd ended{fromOtherWriter[0], POLLIN, 0};
        poll(&ended, 1, 1000);
    }
    return systemWrite(descriptor, bytes, size);
}

TEST(SharedAppends, AFailedAppendCutsAwayNothingThatAnotherProcessWrote) {
    const vemlik::testing::SmallFileSystem disk(16 * 1024);
    if (!disk.mounted()) {
        GTEST_SKIP() << "a small tmpfs cannot be mounted here: that takes root";
    }
    disk.folder().write("a.pre", "stará data\r\n");
    const std::string fileName = disk.folder().fileName("a.pre");
    ASSERT_TRUE(pipe(toOtherWriter) == 0 && pipe(fromOtherWriter) == 0);
    const pid_t otherWriter = fork();
    if (otherWriter == 0) {
        vemlik::Engine engine;
        char go = 0;
        _exit(engine.openResultsFile(fileName) && read(toOtherWriter[0], &go, 1) == 1 &&
                      engine.appendConversion("36 km/h", "10,000 m/s") ==
                          vemlik::AppendOutcome::Written
                  ? 0
                  : 1);
    }
    // The other writer's end is closed once it has ended.
    close(fromOtherWriter[1]);

    vemlik::Engine engine;
    ASSERT_TRUE(engine.openResultsFile(fileName) && stat(fileName.c_str(), &heldFile) == 0);
    // 32 Ki empty rows: a section of 64 KiB.
    EXPECT_EQ(engine.appendBlockTable("m", "km", std::string(32 * 1024, '\n')),
              vemlik::AppendOutcome::Failed);
    int status = -1;
    ASSERT_EQ(waitpid(otherWriter, &status, 0), otherWriter);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(disk.folder().read("a.pre"), "stará data\r\n36 km/h       =  10,000 m/s\r\n");
}
