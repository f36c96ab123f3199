// The POSIX calls behind SystemFile: non-blocking opening, whole appends cut back on failure,
// syncing to the disk, and the link count of an open file.
#include "system_file.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace vemlik {

namespace {

std::string folderOf(const std::string& fileName) {
    const std::string folder = std::filesystem::path(fileName).parent_path().string();
    return folder.empty() ? "." : folder;
}

bool syncFolder(const std::string& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return synced;
}

bool writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
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

// The opening only must not wait; writes to a terminal may.
bool blocking(int descriptor) {
    const int flags = ::fcntl(descriptor, F_GETFL);
    return flags >= 0 && ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) == 0;
}

} // namespace

SystemFile SystemFile::openForReading(const std::string& name, Kinds kinds) {
    if (kinds == Kinds::regularOnly) {
        return {keptIf(::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC), isRegular), {}};
    }
    return {keptIf(::open(name.c_str(), O_RDONLY | O_CLOEXEC), isReadable), {}};
}

SystemFile SystemFile::openForAppending(const std::string& name) {
    constexpr int kFlags = O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC;
    std::string createdIn;
    int descriptor = ::open(name.c_str(), kFlags);
    if (descriptor < 0 && errno == ENOENT) {
        descriptor = ::open(name.c_str(), kFlags | O_CREAT | O_EXCL, 0666);
        createdIn = folderOf(name);
    }
    descriptor = keptIf(descriptor, isAppendable);
    if (descriptor >= 0 && !blocking(descriptor)) {
        ::close(descriptor);
        descriptor = -1;
    }
    return {descriptor, descriptor >= 0 ? std::move(createdIn) : std::string()};
}

SystemFile::SystemFile(int descriptor, std::string createdIn)
    : descriptor_(descriptor), createdIn_(std::move(createdIn)) {}

SystemFile::SystemFile(SystemFile&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)), createdIn_(std::move(other.createdIn_)) {}

SystemFile& SystemFile::operator=(SystemFile&& other) noexcept {
    if (this != &other) {
        close();
        descriptor_ = std::exchange(other.descriptor_, -1);
        createdIn_ = std::move(other.createdIn_);
    }
    return *this;
}

SystemFile::~SystemFile() {
    close();
}

std::ptrdiff_t SystemFile::read(char* buffer, std::size_t size) {
    while (true) {
        const ssize_t count = ::read(descriptor_, buffer, size);
        if (count >= 0 || errno != EINTR) {
            return count;
        }
    }
}

bool SystemFile::appendWhole(std::string_view bytes) {
    struct stat before {};
    if (descriptor_ < 0 || ::fstat(descriptor_, &before) != 0) {
        return false;
    }
    // A device such as /dev/null has no length to cut back to and nothing to sync.
    const bool regular = S_ISREG(before.st_mode);
    if (writeAll(descriptor_, bytes) && (!regular || ::fdatasync(descriptor_) == 0) &&
        (createdIn_.empty() || syncFolder(createdIn_))) {
        createdIn_.clear();
        return true;
    }
    if (regular) {
        // Should even this fail, the next reader skips the partial record as malformed.
        [[maybe_unused]] const int cutBack = ::ftruncate(descriptor_, before.st_size);
    }
    return false;
}

bool SystemFile::stillNamed() const {
    struct stat status {};
    return descriptor_ >= 0 && ::fstat(descriptor_, &status) == 0 && status.st_nlink > 0;
}

void SystemFile::close() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
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

void ignoreBrokenPipes() {
    std::signal(SIGPIPE, SIG_IGN);
}

} // namespace vemlik
