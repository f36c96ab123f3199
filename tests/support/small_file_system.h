#pragma once

#include "temporary_directory.h"

#include <sched.h>
#include <string>
#include <sys/mount.h>

namespace vemlik::testing {

// A disk that runs full: a tmpfs of the given size on a temporary folder, mounted in a mount
// namespace that this process enters for it, so that no other process sees it and it goes
// with the process. Mounting takes root.
class SmallFileSystem {
public:
    explicit SmallFileSystem(std::size_t bytes) {
        const std::string size = "size=" + std::to_string(bytes);
        mounted_ = unshare(CLONE_NEWNS) == 0 &&
                   mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                   mount("tmpfs", folder_.path().c_str(), "tmpfs", 0, size.c_str()) == 0;
    }
    ~SmallFileSystem() {
        if (mounted_) {
            umount(folder_.path().c_str());
        }
    }

    bool mounted() const { return mounted_; }
    const TemporaryDirectory& folder() const { return folder_; }

private:
    TemporaryDirectory folder_;
    bool mounted_ = false;
};

} // namespace vemlik::testing
