#include "safe_file.h"

#include "errors.h"
#include "paths.h"

#include <cerrno>
#include <cstring>
#include <random>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace core {

namespace {

std::string errnoText(int err)
{
    return std::strerror(err);
}

std::string folderOf(const std::string &path)
{
    const std::string::size_type slash = path.rfind(kPathSeparator);
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return path.substr(0, 1);
    return path.substr(0, slash);
}

// Letters only, so the name is valid everywhere and never needs quoting.
std::string randomSuffix()
{
    static std::mt19937 generator{std::random_device{}()};
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uniform_int_distribution<int> pick(0, sizeof letters - 2);
    std::string suffix(8, 'x');
    for (char &c : suffix)
        c = letters[pick(generator)];
    return suffix;
}

// The temporary file sits beside the target so the final rename never
// crosses file systems; the leading dot keeps it out of plain listings.
std::string temporaryName(const std::string &target)
{
    const std::string folder = folderOf(target);
    const std::string::size_type slash = target.rfind(kPathSeparator);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    return folder + (folder == "/" ? "" : "/") + "." + base + "." + randomSuffix() + ".tmp";
}

// Writes all of `bytes`, going on after short writes and interrupted calls.
// Returns 0, or the errno of the failure.
int writeAll(int fd, const std::string &bytes, const WriteChunk &write)
{
    const char *data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        errno = 0;
        const long n = write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno ? errno : EIO;
        }
        if (n == 0)
            return ENOSPC; // no progress: give up rather than spin
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return 0;
}

} // namespace

namespace {

// Follows a chain of symbolic links to the file that really gets replaced.
// A dangling last link is fine: its target is created.
std::string resolveLinks(const std::string &path)
{
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info;
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(current.c_str(), &target[0], target.size());
        if (n < 0)
            throw FileCreateError(path, errnoText(errno));
        if (static_cast<std::size_t>(n) >= target.size())
            throw FileCreateError(path, "a symbolic link changed while it was read");
        target.resize(static_cast<std::size_t>(n));
        if (target.empty() || target[0] != '/') {
            const std::string folder = folderOf(current);
            target = folder + (folder == "/" ? "" : "/") + target;
        }
        current = target;
    }
    throw FileCreateError(path, errnoText(ELOOP));
}

// Writes all of `bytes`, cuts off anything after them (the rest of a longer
// previous file), flushes them to disk and closes `fd`. Returns 0, or the
// errno of the first failure.
int writeAndClose(int fd, const std::string &bytes, const WriteChunk &write, const FlushFile &flush)
{
    int err = writeAll(fd, bytes, write);
    if (err == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0)
        err = errno;
    if (err == 0 && flush(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    return err;
}

// Where the folder takes no new file but the file itself may be written, it
// is overwritten where it is. Room for the new bytes is reserved first, so
// that a full disk or a size limit fails before a byte of the previous file
// changes; only a failure of the device part way can leave it part written.
void writeInPlace(const std::string &path, const std::string &target, const std::string &bytes,
                  const WriteChunk &chunk, const FlushFile &flush)
{
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        throw FileCreateError(path, errnoText(errno));
    struct stat old;
    if (::fstat(fd, &old) != 0) {
        const int err = errno;
        ::close(fd);
        throw FileCreateError(path, errnoText(err));
    }
    const int reserved = bytes.empty() ? 0 : ::posix_fallocate(fd, 0, static_cast<off_t>(bytes.size()));
    if (reserved != 0) {
        // A reservation that failed part way may have made the file longer.
        if (::ftruncate(fd, old.st_size) != 0) {
            // Then it stays longer; the previous bytes themselves are whole.
        }
        ::close(fd);
        throw WriteError(path, errnoText(reserved));
    }
    const int err = writeAndClose(fd, bytes, chunk, flush);
    if (err != 0)
        throw WriteError(path, errnoText(err));
}

} // namespace

void replaceFile(const std::string &path, const std::string &bytes, const WriteChunk &write,
                 const FlushFile &flush)
{
    const WriteChunk chunk = write ? write : [](int fd, const char *data, std::size_t size) -> long {
        return ::write(fd, data, size);
    };
    const FlushFile toDisk = flush ? flush : [](int fd) { return ::fsync(fd); };

    const std::string target = resolveLinks(path);
    const std::string folder = folderOf(target);
    struct stat info;
    if (::stat(folder.c_str(), &info) != 0)
        throw FileCreateError(path, "folder " + folder + ": " + errnoText(errno));
    if (!S_ISDIR(info.st_mode))
        throw FileCreateError(path, folder + " is not a folder");

    struct stat old;
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists) {
        if (S_ISDIR(old.st_mode))
            throw FileCreateError(path, "a folder of that name is in the way");
        // Renaming over a device or a FIFO would swap it for a plain file.
        if (!S_ISREG(old.st_mode))
            throw FileCreateError(path, "it is not a regular file");
        // The folder may allow a rename over a file its user may not write.
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            throw FileCreateError(path, errnoText(errno));
    }

    std::string temp;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp = temporaryName(target);
        // A new file gets 0666 under the umask straight from open(); a
        // replaced one starts private and gets its old bits below.
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        if (exists && (errno == EACCES || errno == EPERM)) {
            writeInPlace(path, target, bytes, chunk, toDisk);
            return;
        }
        throw FileCreateError(path, errnoText(errno));
    }

    if (exists) {
        // Root may keep both; a user only a group it belongs to. Ownership
        // first, since a change of owner clears the set-id bits.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0
            && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
            // Not allowed: the file becomes the user's own, as a new one would.
        }
        if (::fchmod(fd, old.st_mode & 07777) != 0) {
            const int err = errno;
            ::close(fd);
            ::unlink(temp.c_str());
            throw FileCreateError(path, errnoText(err));
        }
    }

    const int err = writeAndClose(fd, bytes, chunk, toDisk);
    if (err != 0) {
        ::unlink(temp.c_str());
        throw WriteError(path, errnoText(err));
    }

    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int renameErr = errno;
        ::unlink(temp.c_str());
        throw FileCreateError(path, errnoText(renameErr));
    }
    // The folder is not flushed after the rename: that would double the
    // time of a save. Should the power fail before the file system commits
    // the rename, the folder holds the previous file, whole.
}

} // namespace core
