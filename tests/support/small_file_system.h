#pragma once

#include "temporary_directory.h"

#include <fcntl.h>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

namespace vemlik::testing {

// A disk that runs full: a tmpfs of the given size, mounted on a temporary folder in a mount
// namespace that this process enters for it, so that no other process sees the mount and it
// goes with the process. Mounting takes root, or a user namespace where the system allows one;
// mounted() tells whether it worked.
class SmallFileSystem {
public:
    explicit SmallFileSystem(std::size_t bytes) {
        const std::string size = "size=" + std::to_string(bytes);
        mounted_ = enterOwnMountNamespace() &&
                   mount("tmpfs", folder_.path().c_str(), "tmpfs", 0, size.c_str()) == 0;
    }
    ~SmallFileSystem() {
        if (mounted_) {
            umount(folder_.path().c_str());
        }
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return mounted_; }
    std::string fileName(std::string_view name) const { return folder_.fileName(name); }
    std::string read(std::string_view name) const { return folder_.read(name); }
    void write(std::string_view name, std::string_view bytes) const { folder_.write(name, bytes); }

private:
    // Without root, this user becomes root of a user namespace of its own.
    static bool enterOwnMountNamespace() {
        if (unshare(CLONE_NEWNS) != 0) {
            const std::string user = std::to_string(getuid());
            const std::string group = std::to_string(getgid());
            if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 ||
                !writeFile("/proc/self/setgroups", "deny") ||
                !writeFile("/proc/self/uid_map", "0 " + user + " 1") ||
                !writeFile("/proc/self/gid_map", "0 " + group + " 1")) {
                return false;
            }
        }
        // Mounts made here must not spread back to the namespace this process came from.
        return mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    }
    static bool writeFile(const char* name, const std::string& text) {
        const int descriptor = open(name, O_WRONLY);
        const bool written = descriptor >= 0 && ::write(descriptor, text.data(), text.size()) ==
                                                    static_cast<ssize_t>(text.size());
        if (descriptor >= 0) {
            close(descriptor);
        }
        return written;
    }

    TemporaryDirectory folder_;
    bool mounted_ = false;
};

} // namespace vemlik::testing
