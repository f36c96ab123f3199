// The POSIX calls behind the system layer: non-blocking opening, locks, whole appends cut back
// on failure, syncing to the disk, the link count of an open file, and the places of the user's
// files.
#include "vemlik/system_file.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace vemlik {

namespace {

std::string folderOf(const std::string& fileName) {
    const std::string folder = std::filesystem::path(fileName).parent_path().string();
    return folder.empty() ? "." : folder;
}

// Writes as much as the file takes, going on after partial writes; the number of bytes written.
std::size_t writeAsFarAsTaken(int descriptor, std::string_view bytes) {
    std::size_t total = 0;
    while (total < bytes.size()) {
        const ssize_t written = ::write(descriptor, bytes.data() + total, bytes.size() - total);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            break;
        }
        total += static_cast<std::size_t>(written);
    }
    return total;
}

// Cuts away the bytes that an append wrote from the length it found, but only while they are
// the file's last bytes: what another writer appended after them stays.
void cutBack(int descriptor, off_t start, std::size_t written) {
    struct stat now {};
    if (::fstat(descriptor, &now) == 0 && now.st_size == start + static_cast<off_t>(written)) {
        // Should even this fail, the next reader skips the partial record as malformed.
        [[maybe_unused]] const int cut = ::ftruncate(descriptor, start);
    }
}

// A folder that may be written but not read (a drop box) cannot be opened to be synced; its
// entries reach the disk in the system's own time, and a write is not undone for that.
bool syncFolder(const std::string& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        return errno == EACCES;
    }
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return synced;
}

// Takes the descriptor only when it is a kind of file the caller wants; errno tells why not.
int keptIf(int descriptor, bool wanted(const struct stat&)) {
    struct stat status {};
    if (descriptor < 0) {
        return -1;
    }
    if (::fstat(descriptor, &status) == 0 && wanted(status)) {
        return descriptor;
    }
    ::close(descriptor);
    errno = S_ISDIR(status.st_mode) ? EISDIR : ENXIO;
    return -1;
}

bool isRegular(const struct stat& status) {
    return S_ISREG(status.st_mode);
}
bool isReadable(const struct stat& status) {
    return !S_ISDIR(status.st_mode);
}
bool isAppendable(const struct stat& status) {
    return S_ISREG(status.st_mode) || S_ISCHR(status.st_mode);
}

// The opening only must not wait; reads and writes, to a terminal say, may.
bool waitOnReadsAndWrites(int descriptor) {
    const int flags = ::fcntl(descriptor, F_GETFL);
    return flags >= 0 && ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) == 0;
}

SystemFile::OpenFailure failureOf(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return SystemFile::OpenFailure::Missing;
    case EACCES:
    case EPERM:
        return SystemFile::OpenFailure::NotPermitted;
    case EISDIR:
        return SystemFile::OpenFailure::Folder;
    default:
        return SystemFile::OpenFailure::Other;
    }
}

// Readable too where that is permitted, so that what the file holds can be looked at through
// the descriptor that appends to it.
int openAppending(const std::string& name, int creation) {
    constexpr int kFlags = O_APPEND | O_NONBLOCK | O_CLOEXEC;
    const int descriptor = ::open(name.c_str(), O_RDWR | kFlags | creation, 0666);
    if (descriptor >= 0 || errno != EACCES) {
        return descriptor;
    }
    return ::open(name.c_str(), O_WRONLY | kFlags | creation, 0666);
}

bool isAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

} // namespace

SystemFile SystemFile::openForReading(const std::string& name, Kinds kinds) {
    const int descriptor =
        kinds == Kinds::RegularOnly
            ? keptIf(::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC), isRegular)
            : keptIf(::open(name.c_str(), O_RDONLY | O_CLOEXEC), isReadable);
    if (descriptor < 0) {
        return failedToOpen();
    }
    return {descriptor, true, {}};
}

SystemFile SystemFile::openForAppending(const std::string& name) {
    std::string createdIn;
    int descriptor = openAppending(name, 0);
    if (descriptor < 0 && errno == ENOENT) {
        descriptor = openAppending(name, O_CREAT | O_EXCL);
        createdIn = folderOf(name);
    }
    descriptor = keptIf(descriptor, isAppendable);
    if (descriptor >= 0 && !waitOnReadsAndWrites(descriptor)) {
        ::close(descriptor);
        descriptor = -1;
    }
    if (descriptor < 0) {
        return failedToOpen();
    }
    return {descriptor, true, std::move(createdIn)};
}

SystemFile SystemFile::standardInput() {
    return {STDIN_FILENO, false, {}};
}

SystemFile SystemFile::standardOutput() {
    return {STDOUT_FILENO, false, {}};
}

SystemFile SystemFile::standardError() {
    return {STDERR_FILENO, false, {}};
}

SystemFile SystemFile::failedToOpen() {
    SystemFile file;
    file.openFailure_ = failureOf(errno);
    return file;
}

std::ptrdiff_t SystemFile::read(char* buffer, std::size_t size) {
    while (true) {
        const ssize_t count = ::read(descriptor_, buffer, size);
        if (count >= 0 || errno != EINTR) {
            return count;
        }
    }
}

std::ptrdiff_t SystemFile::readAt(char* buffer, std::size_t size, std::uint64_t offset) {
    while (true) {
        const ssize_t count = ::pread(descriptor_, buffer, size, static_cast<off_t>(offset));
        if (count >= 0 || errno != EINTR) {
            return count;
        }
    }
}

std::optional<std::uint64_t> SystemFile::regularFileLength() const {
    struct stat status {};
    if (descriptor_ < 0 || ::fstat(descriptor_, &status) != 0 || !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(status.st_size);
}

bool SystemFile::writeAll(std::string_view bytes) {
    return writeAsFarAsTaken(descriptor_, bytes) == bytes.size();
}

bool SystemFile::lock() {
    while (::flock(descriptor_, LOCK_EX) != 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

void SystemFile::unlock() {
    ::flock(descriptor_, LOCK_UN);
}

bool SystemFile::appendWhole(std::string_view bytes) {
    struct stat before {};
    if (descriptor_ < 0 || ::fstat(descriptor_, &before) != 0) {
        return false;
    }
    // A device such as /dev/null has no length to cut back to and nothing to sync.
    const bool regular = S_ISREG(before.st_mode);
    const std::size_t written = writeAsFarAsTaken(descriptor_, bytes);
    if (written == bytes.size() && (!regular || ::fdatasync(descriptor_) == 0) &&
        (createdIn_.empty() || syncFolder(createdIn_))) {
        createdIn_.clear();
        return true;
    }
    if (regular) {
        cutBack(descriptor_, before.st_size, written);
    }
    return false;
}

bool SystemFile::stillNamed() const {
    struct stat status {};
    return descriptor_ >= 0 && ::fstat(descriptor_, &status) == 0 && status.st_nlink > 0;
}

bool SystemFile::isSameFileAs(const SystemFile& other) const {
    struct stat mine {};
    struct stat theirs {};
    return ::fstat(descriptor_, &mine) == 0 && ::fstat(other.descriptor_, &theirs) == 0 &&
           mine.st_dev == theirs.st_dev && mine.st_ino == theirs.st_ino;
}

void SystemFile::close() {
    if (descriptor_ >= 0 && owned_) {
        ::close(descriptor_);
    }
    descriptor_ = -1;
    createdIn_.clear();
}

bool createFolderOf(const std::string& fileName) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(fileName).parent_path();
    std::error_code error;
    std::vector<fs::path> missing;
    for (fs::path path = folder; !path.empty() && !fs::exists(path, error);
         path = path.parent_path()) {
        missing.push_back(path);
    }
    if (missing.empty()) {
        return true;
    }
    fs::create_directories(folder, error);
    if (error) {
        return false;
    }
    // Each new folder is an entry of its parent, which must reach the disk as well.
    for (const fs::path& created : missing) {
        if (!syncFolder(created.parent_path().empty() ? "." : created.parent_path().string())) {
            return false;
        }
    }
    return true;
}

bool exists(const std::string& name) {
    std::error_code error;
    return std::filesystem::exists(name, error);
}

std::optional<std::string> executableDirectory() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof path) {
        return std::nullopt;
    }
    const std::string executable(path, static_cast<std::size_t>(length));
    const std::size_t slash = executable.rfind('/');
    if (slash == std::string::npos) {
        return std::nullopt;
    }
    return executable.substr(0, slash + 1);
}

std::optional<std::string> userDataFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (isAbsolute(dataHome)) {
        return dataHome;
    }
    // A relative home would put the user's files wherever the program happens to start.
    const char* home = std::getenv("HOME");
    if (isAbsolute(home)) {
        return std::string(home) + "/.local/share";
    }
    return std::nullopt;
}

std::vector<std::string> programArguments(int argc, char** argv) {
    return {argv + 1, argv + argc};
}

// A POSIX terminal shows the bytes as the user's locale reads them.
void showUtf8OnConsole() {}

void ignoreBrokenPipes() {
    std::signal(SIGPIPE, SIG_IGN);
}

void returnLargeBlocksWhenFreed() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
}

} // namespace vemlik
