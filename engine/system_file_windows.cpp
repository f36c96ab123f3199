// The Windows calls behind the system layer: files opened by their wide names and handed to the
// C runtime in binary mode, whole appends flushed to the disk and cut back on failure, the
// deletion mark of an open file, and the places of the user's files. Names are UTF-8 inside the
// program and wide only here.
#include "vemlik/system_file.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

namespace vemlik {

namespace {

// Reads and writes take an unsigned int count.
constexpr std::size_t kMostAtOnce = 1 << 30;

std::wstring wide(std::string_view utf8) {
    const int size = static_cast<int>(utf8.size());
    std::wstring text(static_cast<std::size_t>(std::max(size, 1)), L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), size);
    text.resize(static_cast<std::size_t>(std::max(length, 0)));
    return text;
}

std::string utf8(std::wstring_view text) {
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(std::max(length, 0)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

std::filesystem::path pathOf(const std::string& name) {
    return std::filesystem::path(wide(name));
}

HANDLE handleOf(int descriptor) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
}

bool isFolder(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION information{};
    return GetFileInformationByHandle(handle, &information) != 0 &&
           (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A file on a disk; a folder is one too for Windows.
bool isRegular(HANDLE handle) {
    return GetFileType(handle) == FILE_TYPE_DISK && !isFolder(handle);
}
bool isReadable(HANDLE handle) {
    return !isFolder(handle);
}
// A device such as NUL, but no pipe.
bool isAppendable(HANDLE handle) {
    return isRegular(handle) || GetFileType(handle) == FILE_TYPE_CHAR;
}

// Folders open too, so that one can be told apart from a file that may not be read. Others may
// read, write and delete the file meanwhile, as on POSIX systems.
HANDLE openHandle(const std::string& name, DWORD access, DWORD creation) {
    constexpr DWORD kSharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    return CreateFileW(wide(name).c_str(), access, kSharing, nullptr, creation,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// The C runtime's descriptor of the handle when it is a kind of file the caller wants; the last
// error tells why not.
int keptIf(HANDLE handle, bool wanted(HANDLE), int mode) {
    if (handle == INVALID_HANDLE_VALUE) {
        return -1;
    }
    if (wanted(handle)) {
        const int descriptor =
            _open_osfhandle(reinterpret_cast<intptr_t>(handle), mode | _O_BINARY);
        if (descriptor >= 0) {
            return descriptor;
        }
    }
    const DWORD why = isFolder(handle) ? ERROR_DIRECTORY : ERROR_BAD_FILE_TYPE;
    CloseHandle(handle);
    SetLastError(why);
    return -1;
}

SystemFile::OpenFailure failureOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return SystemFile::OpenFailure::Missing;
    case ERROR_ACCESS_DENIED:
        return SystemFile::OpenFailure::NotPermitted;
    case ERROR_DIRECTORY:
        return SystemFile::OpenFailure::Folder;
    default:
        return SystemFile::OpenFailure::Other;
    }
}

// Readable too where that is permitted, so that what the file holds can be looked at through the
// handle that appends to it.
HANDLE openAppending(const std::string& name, DWORD creation) {
    const HANDLE handle = openHandle(name, GENERIC_READ | GENERIC_WRITE, creation);
    if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_ACCESS_DENIED) {
        return handle;
    }
    return openHandle(name, GENERIC_WRITE, creation);
}

// Writes as much as the file takes, going on after partial writes; the number of bytes written.
std::size_t writeAsFarAsTaken(int descriptor, std::string_view bytes) {
    std::size_t total = 0;
    while (total < bytes.size()) {
        const int written =
            _write(descriptor, bytes.data() + total,
                   static_cast<unsigned>(std::min(bytes.size() - total, kMostAtOnce)));
        if (written <= 0) {
            break;
        }
        total += static_cast<std::size_t>(written);
    }
    return total;
}

// Cuts away the bytes that an append wrote from the length it found, but only while they are
// the file's last bytes: what another writer appended after them stays.
void cutBack(HANDLE handle, LARGE_INTEGER start, std::size_t written) {
    LARGE_INTEGER now{};
    if (GetFileSizeEx(handle, &now) != 0 &&
        now.QuadPart == start.QuadPart + static_cast<LONGLONG>(written) &&
        SetFilePointerEx(handle, start, nullptr, FILE_BEGIN) != 0) {
        // Should even this fail, the next reader skips the partial record as malformed.
        SetEndOfFile(handle);
    }
}

// The lock is one byte far beyond the end of any file: Windows' locks bar the bytes they cover
// to everyone else, also to readers, and this one bars nothing but the lock of another process.
OVERLAPPED lockedByte() {
    OVERLAPPED byte{};
    byte.Offset = MAXDWORD;
    byte.OffsetHigh = 0x7FFFFFFF;
    return byte;
}

// A drive's root such as C:\ or a network share such as \\server\share.
bool isAbsolute(std::wstring_view path) {
    const auto separator = [](wchar_t character) {
        return character == L'\\' || character == L'/';
    };
    return (path.size() >= 3 && path[1] == L':' && separator(path[2])) ||
           (path.size() >= 2 && separator(path[0]) && separator(path[1]));
}

// The process's own stream, its bytes passed as they are, without CR before each LF.
int inBinaryMode(int descriptor) {
    _setmode(descriptor, _O_BINARY);
    return descriptor;
}

} // namespace

SystemFile SystemFile::openForReading(const std::string& name, Kinds kinds) {
    const HANDLE handle = openHandle(name, GENERIC_READ, OPEN_EXISTING);
    const int descriptor =
        keptIf(handle, kinds == Kinds::RegularOnly ? isRegular : isReadable, _O_RDONLY);
    if (descriptor < 0) {
        return failedToOpen();
    }
    return {descriptor, true, {}};
}

SystemFile SystemFile::openForAppending(const std::string& name) {
    HANDLE handle = openAppending(name, OPEN_EXISTING);
    if (handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_NOT_FOUND) {
        handle = openAppending(name, CREATE_NEW);
    }
    const int descriptor = keptIf(handle, isAppendable, _O_RDWR | _O_APPEND);
    if (descriptor < 0) {
        return failedToOpen();
    }
    // The file's own flush takes its new entry in the folder with it.
    return {descriptor, true, {}};
}

SystemFile SystemFile::standardInput() {
    return {inBinaryMode(0), false, {}};
}

SystemFile SystemFile::standardOutput() {
    return {inBinaryMode(1), false, {}};
}

SystemFile SystemFile::standardError() {
    return {inBinaryMode(2), false, {}};
}

SystemFile SystemFile::failedToOpen() {
    SystemFile file;
    file.openFailure_ = failureOf(GetLastError());
    return file;
}

std::ptrdiff_t SystemFile::read(char* buffer, std::size_t size) {
    return _read(descriptor_, buffer, static_cast<unsigned>(std::min(size, kMostAtOnce)));
}

std::ptrdiff_t SystemFile::readAt(char* buffer, std::size_t size, std::uint64_t offset) {
    const HANDLE handle = handleOf(descriptor_);
    LARGE_INTEGER position{};
    if (descriptor_ < 0 || SetFilePointerEx(handle, {}, &position, FILE_CURRENT) == 0) {
        return -1;
    }
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD count = 0;
    const bool done =
        ReadFile(handle, buffer, static_cast<DWORD>(std::min(size, kMostAtOnce)), &count, &at) != 0;
    const DWORD error = GetLastError();
    // A read at an offset moves the handle's position; read() goes on from where it was.
    SetFilePointerEx(handle, position, nullptr, FILE_BEGIN);
    if (!done) {
        return error == ERROR_HANDLE_EOF ? 0 : -1;
    }
    return static_cast<std::ptrdiff_t>(count);
}

std::optional<std::uint64_t> SystemFile::regularFileLength() const {
    const HANDLE handle = handleOf(descriptor_);
    LARGE_INTEGER length{};
    if (descriptor_ < 0 || !isRegular(handle) || GetFileSizeEx(handle, &length) == 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(length.QuadPart);
}

bool SystemFile::writeAll(std::string_view bytes) {
    return writeAsFarAsTaken(descriptor_, bytes) == bytes.size();
}

bool SystemFile::lock() {
    OVERLAPPED byte = lockedByte();
    return descriptor_ >= 0 &&
           LockFileEx(handleOf(descriptor_), LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &byte) != 0;
}

void SystemFile::unlock() {
    OVERLAPPED byte = lockedByte();
    UnlockFileEx(handleOf(descriptor_), 0, 1, 0, &byte);
}

bool SystemFile::appendWhole(std::string_view bytes) {
    const HANDLE handle = handleOf(descriptor_);
    LARGE_INTEGER before{};
    if (descriptor_ < 0 || handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    // A device such as NUL has no length to cut back to and nothing to flush.
    const bool regular = isRegular(handle);
    if (regular && GetFileSizeEx(handle, &before) == 0) {
        return false;
    }
    const std::size_t written = writeAsFarAsTaken(descriptor_, bytes);
    if (written == bytes.size() && (!regular || FlushFileBuffers(handle) != 0)) {
        return true;
    }
    if (regular) {
        cutBack(handle, before, written);
    }
    return false;
}

// Deleted while open, a file is marked for deletion until its last handle closes; where the
// system deletes at once, its last name is gone.
bool SystemFile::stillNamed() const {
    const HANDLE handle = handleOf(descriptor_);
    if (descriptor_ < 0 || handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    FILE_STANDARD_INFO information{};
    if (GetFileInformationByHandleEx(handle, FileStandardInfo, &information, sizeof information) ==
        0) {
        return !isRegular(handle);
    }
    return information.DeletePending == 0 && information.NumberOfLinks > 0;
}

// The same file, pipe or device by the identity that the system gives it on its volume.
bool SystemFile::isSameFileAs(const SystemFile& other) const {
    FILE_ID_INFO mine{};
    FILE_ID_INFO theirs{};
    const auto identify = [](int descriptor, FILE_ID_INFO& identity) {
        return GetFileInformationByHandleEx(handleOf(descriptor), FileIdInfo, &identity,
                                            sizeof identity) != 0;
    };
    return identify(descriptor_, mine) && identify(other.descriptor_, theirs) &&
           mine.VolumeSerialNumber == theirs.VolumeSerialNumber &&
           std::memcmp(&mine.FileId, &theirs.FileId, sizeof mine.FileId) == 0;
}

void SystemFile::close() {
    if (descriptor_ >= 0 && owned_) {
        _close(descriptor_);
    }
    descriptor_ = -1;
    createdIn_.clear();
}

bool createFolderOf(const std::string& fileName) {
    const std::filesystem::path folder = pathOf(fileName).parent_path();
    std::error_code error;
    if (!folder.empty()) {
        std::filesystem::create_directories(folder, error);
    }
    return !error;
}

bool exists(const std::string& name) {
    std::error_code error;
    return std::filesystem::exists(pathOf(name), error);
}

std::optional<std::string> executableDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    // The buffer is filled and the name cut short as long as it is too small.
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
               path.size() &&
           path.size() < 32768) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    const std::size_t separator = path.find_last_of(L"\\/");
    if (length == 0 || separator == std::wstring::npos) {
        return std::nullopt;
    }
    return utf8(std::wstring_view(path).substr(0, separator + 1));
}

std::optional<std::string> userDataFolder() {
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (appData == nullptr || !isAbsolute(appData)) {
        return std::nullopt;
    }
    return utf8(appData);
}

// The command line again as wide text, since argv holds it in the ANSI code page.
std::vector<std::string> programArguments(int, char**) {
    int count = 0;
    wchar_t** const arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> result;
    for (int index = 1; arguments != nullptr && index < count; ++index) {
        result.push_back(utf8(arguments[index]));
    }
    LocalFree(arguments);
    return result;
}

void showUtf8OnConsole() {
    static const UINT previous = GetConsoleOutputCP();
    if (previous != 0 && previous != CP_UTF8 && SetConsoleOutputCP(CP_UTF8) != 0) {
        std::atexit([] { SetConsoleOutputCP(previous); });
    }
}

// Windows has no signal for a pipe without a reader: the write fails.
void ignoreBrokenPipes() {}

// Windows gives large blocks back to the system when they are freed.
void returnLargeBlocksWhenFreed() {}

} // namespace vemlik
