#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace vemlik::testing {

// While it lives, this process is held to the permissions of files and folders as any user is,
// also when it runs as root, as CI does: it gives up the two capabilities that override them,
// and takes them back at the end.
class FilePermissionsHold {
public:
    FilePermissionsHold() {
        syscall(SYS_capget, &header_, saved_);
        __user_cap_data_struct held[2] = {saved_[0], saved_[1]};
        held[0].effective &= ~(CAP_TO_MASK(CAP_DAC_OVERRIDE) | CAP_TO_MASK(CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &header_, held);
    }
    ~FilePermissionsHold() { syscall(SYS_capset, &header_, saved_); }
    FilePermissionsHold(const FilePermissionsHold&) = delete;
    FilePermissionsHold& operator=(const FilePermissionsHold&) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
};

} // namespace vemlik::testing
