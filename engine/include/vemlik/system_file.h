#pragma once

#include "vemlik/byte_source.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vemlik {

// The operating system as the engine and vemlik-cli use it: files read, written and appended
// to, the standard streams, and the places where the user's files lie. Its calls live in one
// file per system; everything else is standard C++.
class SystemFile : public ByteSource {
public:
    enum class Kinds { RegularOnly, AnyReadable };
    // Why a file did not open.
    enum class OpenFailure { None, Missing, NotPermitted, Folder, Other };

    // Opens without waiting for a partner process. With RegularOnly, anything but a regular
    // file (a FIFO, a device) is refused, so that reading can never block; a folder is always
    // refused.
    static SystemFile openForReading(const std::string& name, Kinds kinds);
    // Opens at its end, creating the file when missing, without waiting for a reader. Only a
    // regular file or a character device is taken: a FIFO or socket would block or vanish.
    // Where the file may be read, it can also be read with readAt.
    static SystemFile openForAppending(const std::string& name);
    // The process's own streams; they stay open when the object goes.
    static SystemFile standardInput();
    static SystemFile standardOutput();
    static SystemFile standardError();

    SystemFile() = default;
    SystemFile(SystemFile&& other) noexcept;
    SystemFile& operator=(SystemFile&& other) noexcept;
    SystemFile(const SystemFile&) = delete;
    SystemFile& operator=(const SystemFile&) = delete;
    ~SystemFile() override;

    bool isOpen() const { return descriptor_ >= 0; }
    OpenFailure openFailure() const { return openFailure_; }
    std::ptrdiff_t read(char* buffer, std::size_t size) override;
    // Bytes from the offset on, leaving the position of read as it is; 0 at the end, -1 after a
    // fault or when the file may not be read.
    std::ptrdiff_t readAt(char* buffer, std::size_t size, std::uint64_t offset);
    // The length of a regular file; nothing for a device.
    std::optional<std::uint64_t> regularFileLength() const;
    // Writes all bytes, going on after partial writes; false at the first refusal.
    bool writeAll(std::string_view bytes);

    // Waits until no other process holds the file's lock, then holds it until unlock() or
    // close(). Processes that hold it from their look at the file to the end of their append
    // append one after another, each seeing what the others appended. False when the system
    // cannot lock the file, which is then appended to without the lock.
    bool lock();
    void unlock();
    // Writes all bytes at the end and returns once they are on the disk (with the folder's
    // entry, when the opening created the file and the folder may be read, as it must be to be
    // synced). After a failed or short write the bytes it wrote are cut away again, so that an
    // append is in the file whole or not at all; only while they are still the file's last
    // bytes, since what another process appended after them is never cut away. Hold the lock
    // around it.
    bool appendWhole(std::string_view bytes);
    // False once the file has lost its last name, deleted while open.
    bool stillNamed() const;
    // Both are open on the same file, pipe or terminal, as standard output and standard error
    // are after 2>&1.
    bool isSameFileAs(const SystemFile& other) const;
    void close();

private:
    SystemFile(int descriptor, bool owned, std::string createdIn);
    static SystemFile failedToOpen();

    int descriptor_ = -1;
    bool owned_ = true;
    OpenFailure openFailure_ = OpenFailure::None;
    // The folder whose new entry must still reach the disk; empty when none.
    std::string createdIn_;
};

// Holds a file's lock (SystemFile::lock) while it lives.
class FileLock {
public:
    explicit FileLock(SystemFile& file) : file_(file), held_(file.lock()) {}
    ~FileLock() {
        if (held_) {
            file_.unlock();
        }
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    SystemFile& file_;
    bool held_;
};

// Creates the file's folder with its parents, each new one durable. False when that fails.
bool createFolderOf(const std::string& fileName);

// Whether anything, a file or a folder, has the name.
bool exists(const std::string& name);

// The folder that holds the running executable, with a trailing separator; nothing when the
// system does not tell.
std::optional<std::string> executableDirectory();

// The folder in which the user's programs keep their data, without a trailing separator:
// $XDG_DATA_HOME, or $HOME/.local/share where XDG_DATA_HOME is unset, empty or not absolute.
// Nothing without an absolute home either.
std::optional<std::string> userDataFolder();

// The program's arguments after its own name, in UTF-8 whatever the system passed them in.
std::vector<std::string> programArguments(int argc, char** argv);

// A console that the program writes to shows the UTF-8 of its standard streams as the text it
// is, until the program ends.
void showUtf8OnConsole();

// A write to a pipe without a reader then fails like any other write instead of ending the
// program.
void ignoreBrokenPipes();

// Large blocks, such as those of a long line, go back to the system when freed instead of
// staying with the process.
void returnLargeBlocksWhenFreed();

} // namespace vemlik
