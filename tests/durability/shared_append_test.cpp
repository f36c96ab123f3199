// Two processes append to one results file on a disk that runs full in the middle of an append:
// what the failed append cuts away must never be a line that the other process was told is
// written. This process's write is held at its start while the other process appends, which it
// may do at once unless appends are serialised. The system's write is replaced here by one that
// lets the other process go first.
#include "small_file_system.h"
#include "vemlik/engine.h"

#include <gtest/gtest.h>

#include <climits>
#include <dlfcn.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The file whose next write from this process lets the other writer go first; empty when none.
std::string heldFile;
int otherWriterGo = -1;
int otherWriterDone = -1;

std::string nameOf(int descriptor) {
    char name[PATH_MAX];
    const ssize_t length =
        readlink(("/proc/self/fd/" + std::to_string(descriptor)).c_str(), name, sizeof name);
    return {name, length > 0 ? static_cast<std::size_t>(length) : 0};
}

// Lets the other writer append, and waits a second for it: it either appends in that time, or
// waits for this process's append to end.
void letOtherWriterGoFirst() {
    heldFile.clear();
    const char go = 'g';
    ASSERT_EQ(write(otherWriterGo, &go, 1), 1);
    pollfd done{otherWriterDone, POLLIN, 0};
    poll(&done, 1, 1000);
}

// The other writer: opens the file at once, appends its line when told to, and reports
// whether the append was written.
pid_t startOtherWriter(const std::string& fileName, int go[2], int done[2]) {
    const pid_t process = fork();
    if (process == 0) {
        vemlik::Engine engine;
        char told = 0;
        const bool written =
            engine.openResultsFile(fileName) && read(go[0], &told, 1) == 1 &&
            engine.appendConversion("36 km/h", "10,000 m/s") == vemlik::AppendOutcome::Written;
        const char outcome = written ? 'W' : 'F';
        _exit(write(done[1], &outcome, 1) == 1 ? 0 : 1);
    }
    return process;
}

} // namespace

extern "C" ssize_t write(int descriptor, const void* bytes, size_t size) {
    if (!heldFile.empty() && nameOf(descriptor) == heldFile) {
        letOtherWriterGoFirst();
    }
    using Write = ssize_t (*)(int, const void*, size_t);
    static const auto systemWrite = reinterpret_cast<Write>(dlsym(RTLD_NEXT, "write"));
    return systemWrite(descriptor, bytes, size);
}

TEST(SharedAppends, AFailedAppendCutsAwayNothingThatAnotherProcessWrote) {
    const vemlik::testing::SmallFileSystem disk(16 * 1024);
    if (!disk.mounted()) {
        GTEST_SKIP() << "a small tmpfs cannot be mounted here: this needs root, or user "
                        "namespaces that the system allows";
    }
    const std::string before = "stará data\r\n";
    disk.write("a.pre", before);
    const std::string fileName = disk.fileName("a.pre");
    int go[2];
    int done[2];
    ASSERT_EQ(pipe(go), 0);
    ASSERT_EQ(pipe(done), 0);
    const pid_t otherWriter = startOtherWriter(fileName, go, done);
    otherWriterGo = go[1];
    otherWriterDone = done[0];

    vemlik::Engine engine;
    ASSERT_TRUE(engine.openResultsFile(fileName));
    std::string table;
    while (table.size() < 32 * 1024) {
        table += "1\t0,0010000\n";
    }
    heldFile = fileName;
    EXPECT_EQ(engine.appendBlockTable("m", "km", table), vemlik::AppendOutcome::Failed);
    int status = 0;
    ASSERT_EQ(waitpid(otherWriter, &status, 0), otherWriter);
    char outcome = 0;
    ASSERT_EQ(read(done[0], &outcome, 1), 1);
    EXPECT_EQ(outcome, 'W');
    EXPECT_EQ(disk.read("a.pre"), before + "36 km/h       =  10,000 m/s\r\n");
}
