#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

namespace vemlik::testing {

// A fresh directory of its own under the system's temporary directory, removed with all it
// holds when the test ends. Files in it are written and read back byte for byte.
class TemporaryDirectory {
public:
    TemporaryDirectory() {
        std::random_device random;
        do {
            path_ = std::filesystem::temp_directory_path() / ("vemlik-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(path_));
    }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;
    ~TemporaryDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    const std::filesystem::path& path() const { return path_; }
    // The directory's name with a trailing separator, as the engine takes it.
    std::string directoryName() const { return path_.string() + "/"; }
    std::string fileName(std::string_view name) const { return (path_ / name).string(); }

    void write(std::string_view name, std::string_view bytes) const {
        std::ofstream file(path_ / name, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    // Lengthens the file with zero bytes, which take no room where the file system keeps holes.
    // Not std::filesystem::resize_file, which takes no length above 2 GiB with mingw.
    void lengthen(std::string_view name, std::uint64_t length) const {
        std::fstream file(path_ / name, std::ios::binary | std::ios::in | std::ios::out);
        file.seekp(static_cast<std::streamoff>(length - 1));
        file.put('\0');
    }
    std::string read(std::string_view name) const {
        std::ifstream file(path_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path path_;
};

} // namespace vemlik::testing
