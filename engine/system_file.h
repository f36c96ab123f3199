#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vemlik {

// One open file of the operating system, as the engine reads and appends to it. Every call
// into the system lives behind this interface in one file of its own, which a port to another
// system replaces; the rest of the engine stays standard C++.
class SystemFile {
public:
    enum class Kinds { regularOnly, anyReadable };

    // Opens without waiting for a partner process. With regularOnly, anything but a regular
    // file (a FIFO, a device) is refused, so that reading can never block.
    static SystemFile openForReading(const std::string& name, Kinds kinds);
    // Opens at its end, creating the file when missing, without waiting for a reader. Only a
    // regular file or a character device is taken: a FIFO or socket would block or vanish.
    static SystemFile openForAppending(const std::string& name);

    SystemFile() = default;
    SystemFile(SystemFile&& other) noexcept;
    SystemFile& operator=(SystemFile&& other) noexcept;
    SystemFile(const SystemFile&) = delete;
    SystemFile& operator=(const SystemFile&) = delete;
    ~SystemFile();

    bool isOpen() const { return descriptor_ >= 0; }
    // Bytes read into the buffer; 0 at the end of the file, -1 after a fault.
    std::ptrdiff_t read(char* buffer, std::size_t size);
    // Writes all bytes at the end and returns once they are on the disk (with the folder's
    // entry, when the opening created the file). After a failed or short write the file is cut
    // back to its length before, so that an append is in the file whole or not at all.
    bool appendWhole(std::string_view bytes);
    // False once the file has lost its last name, deleted while open.
    bool stillNamed() const;
    void close();

private:
    SystemFile(int descriptor, std::string createdIn);

    int descriptor_ = -1;
    // The folder whose new entry must still reach the disk; empty when none.
    std::string createdIn_;
};

// Creates the file's folder with its parents, each new one durable. False when that fails.
bool createFolderOf(const std::string& fileName);

// A write to a pipe without a reader then fails like any other write instead of ending the
// program.
void ignoreBrokenPipes();

} // namespace vemlik
