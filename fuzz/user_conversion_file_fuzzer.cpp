#include "pristine_units.h"
#include "user_conversion_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

// The reader takes its bytes from a real file, so each input is written to one and removed
// after reading; in memory (/dev/shm) where there is one, as the disk would slow every
// execution down.
const std::string& scratchFileName() {
    static const std::string name =
        std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/vemlik-fuzz-" +
        std::to_string(getpid()) + "-Prevody.kfc";
    return name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(scratchFileName().c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    vemlik::UnitTable units = vemlik::fuzzing::pristineUnits();
    vemlik::DiscardingSink sink;
    units.userFileName = scratchFileName();
    vemlik::readUserConversionFile(units, sink);
    std::remove(scratchFileName().c_str());
    if (units.rowCount > vemlik::kMaxRows ||
        units.rowCount != units.builtInCount + units.userRowCount) {
        __builtin_trap();
    }
    return 0;
}
