// What the system layer's file is on every system: an owned or borrowed descriptor that moves
// and closes with the object.
#include "vemlik/system_file.h"

#include <utility>

namespace vemlik {

SystemFile::SystemFile(int descriptor, bool owned, std::string createdIn)
    : descriptor_(descriptor), owned_(owned), createdIn_(std::move(createdIn)) {}

SystemFile::SystemFile(SystemFile&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)), owned_(other.owned_),
      openFailure_(other.openFailure_), createdIn_(std::move(other.createdIn_)) {}

SystemFile& SystemFile::operator=(SystemFile&& other) noexcept {
    if (this != &other) {
        close();
        descriptor_ = std::exchange(other.descriptor_, -1);
        owned_ = other.owned_;
        openFailure_ = other.openFailure_;
        createdIn_ = std::move(other.createdIn_);
    }
    return *this;
}

SystemFile::~SystemFile() {
    close();
}

} // namespace vemlik
