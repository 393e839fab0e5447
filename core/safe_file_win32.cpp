// Replacing a file on Windows: the new bytes go to a temporary file beside
// the target, are flushed to disk, and the temporary file is then moved over
// the target in one step.
#include "safe_file.h"

#include "errors.h"
#include "safe_file_win32.h"

#include <windows.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <io.h>

namespace core {

namespace {

// Another program (a virus scanner, the emulator itself) may hold the target
// open for a moment; the move is tried again for about a second.
const int kMoveAttempts = 20;
const DWORD kMoveRetryMs = 50;

std::string systemMessage(DWORD code)
{
    char *text = nullptr;
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                       | FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, code, 0, reinterpret_cast<char *>(&text), 0, nullptr);
    std::string message = n ? std::string(text, n) : "system error " + std::to_string(code);
    LocalFree(text);
    while (!message.empty() && std::strchr("\r\n .", message.back()))
        message.pop_back();
    return message;
}

// The folder part of `path` as Windows reads it: "C:\games\", "\" (the root
// of the current drive), "C:." or ".". Kept with its own separators, so a
// name built from it never starts with two of them, which would make it a
// network path.
std::string folderOf(const std::string &path)
{
    const std::string::size_type end = path.find_last_of("\\/:");
    const std::string folder = end == std::string::npos ? std::string() : path.substr(0, end + 1);
    return folder.empty() || folder.back() == ':' ? folder + "." : folder;
}

// Writes all of `bytes`, going on after short writes and interrupted calls.
// Returns 0, or the errno of the failure.
int writeAll(int fd, const std::string &bytes, const WriteChunk &write)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        errno = 0;
        const long n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno ? errno : EIO;
        if (n == 0)
            return ENOSPC; // no progress: give up rather than spin
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// Windows names the temporary file itself and creates it, so no other
// program can take the name first.
bool makeTemporaryFile(const std::string &folder, std::string &name)
{
    char temp[MAX_PATH];
    if (!GetTempFileNameA(folder.c_str(), "~dv", 0, temp))
        return false;
    name = temp;
    return true;
}

MakeTemporaryFile makeTemporary = makeTemporaryFile;

// Where the folder takes no new file but the file itself may be written, it
// is overwritten where it is. Room for the new bytes is reserved first, so
// that a full disk fails before a byte of the previous file changes; only a
// failure of the device part way can leave it part written. Its attributes
// stay as they were.
void writeInPlace(const std::string &path, const std::string &bytes, const WriteChunk &chunk,
                  const FlushFile &toDisk)
{
    const int fd = _open(path.c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0)
        throw FileCreateError(path, std::strerror(errno));
    const long long oldSize = _filelengthi64(fd);
    const long long newSize = static_cast<long long>(bytes.size());
    int err = oldSize < 0 ? errno : 0;
    if (err == 0 && newSize > oldSize && _chsize_s(fd, newSize) != 0) {
        err = errno;
        _chsize_s(fd, oldSize);  // a reservation that failed part way
        _close(fd);
        throw WriteError(path, std::strerror(err));
    }
    if (err == 0)
        err = writeAll(fd, bytes, chunk);
    if (err == 0 && _chsize_s(fd, newSize) != 0)
        err = errno;
    if (err == 0 && toDisk(fd) != 0)
        err = errno;
    if (_close(fd) != 0 && err == 0)
        err = errno;
    if (err != 0)
        throw WriteError(path, std::strerror(err));
}

bool moveOver(const std::string &from, const std::string &to, DWORD &error)
{
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        error = GetLastError();
        const bool busy = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION
                          || error == ERROR_ACCESS_DENIED;
        if (!busy || attempt == kMoveAttempts)
            return false;
        Sleep(kMoveRetryMs);
    }
}

} // namespace

MakeTemporaryFile setMakeTemporaryFile(MakeTemporaryFile step)
{
    const MakeTemporaryFile previous = makeTemporary;
    makeTemporary = step ? step : makeTemporaryFile;
    return previous;
}

void replaceFile(const std::string &path, const std::string &bytes, const WriteChunk &write,
                 const FlushFile &flush)
{
    const WriteChunk chunk = write ? write : [](int fd, const char *data, std::size_t size) -> long {
        return _write(fd, data, static_cast<unsigned>(size));
    };
    const FlushFile toDisk = flush ? flush : [](int fd) { return _commit(fd); };

    const std::string folder = folderOf(path);
    const DWORD folderAttributes = GetFileAttributesA(folder.c_str());
    if (folderAttributes == INVALID_FILE_ATTRIBUTES || !(folderAttributes & FILE_ATTRIBUTE_DIRECTORY))
        throw FileCreateError(path, "the folder " + folder + " does not exist");
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        throw FileCreateError(path, "a folder of that name is in the way");
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        throw FileCreateError(path, "the file is read-only");

    std::string temp;
    if (!makeTemporary(folder, temp)) {
        const DWORD error = GetLastError();
        if (error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES) {
            writeInPlace(path, bytes, chunk, toDisk);
            return;
        }
        throw FileCreateError(path, systemMessage(error));
    }
    const int fd = _open(temp.c_str(), _O_WRONLY | _O_TRUNC | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) {
        const int err = errno;
        DeleteFileA(temp.c_str());
        throw FileCreateError(path, std::strerror(err));
    }

    int err = writeAll(fd, bytes, chunk);
    if (err == 0 && toDisk(fd) != 0)
        err = errno;
    if (_close(fd) != 0 && err == 0)
        err = errno;
    if (err != 0) {
        DeleteFileA(temp.c_str());
        throw WriteError(path, std::strerror(err));
    }
    // A hidden or system file stays one.
    const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kept)
        && !SetFileAttributesA(temp.c_str(), attributes & kept)) {
        const DWORD error = GetLastError();
        DeleteFileA(temp.c_str());
        throw FileCreateError(path, systemMessage(error));
    }

    DWORD error = 0;
    if (!moveOver(temp, path, error)) {
        DeleteFileA(temp.c_str());
        throw FileCreateError(path, systemMessage(error));
    }
}

} // namespace core
