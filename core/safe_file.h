#pragma once
// Replacing a file without ever leaving it half written: the new bytes go to
// a temporary file in the same folder, are flushed to disk, and the temporary
// file is then renamed over the target.
#include <cstddef>
#include <functional>
#include <string>

namespace core {

// Writes up to `size` bytes to `fd`; returns the count written, or -1 with
// errno set. The default is ::write; tests pass one that fails part way.
using WriteChunk = std::function<long(int fd, const char *data, std::size_t size)>;

// Flushes what was written to `fd` to the disk; returns 0, or -1 with errno
// set. The default is the system's own (fsync, _commit on Windows); tests
// pass one that sees when it runs.
using FlushFile = std::function<int(int fd)>;

// Replaces the file at `path` with exactly `bytes`.
// - The folder must exist: otherwise FileCreateError, and nothing is created.
// - A symbolic link at `path` stays; the file it points to is replaced.
// - A target that is not a regular file, or that the user may not write, is
//   a FileCreateError and is left alone.
// - A replaced file keeps its permission bits, and its owner and group where
//   the system allows; a new one gets 0666 less umask.
// - On any failure the previous file is left exactly as it was, the temporary
//   file is removed, and FileCreateError or WriteError names `path`.
// - Where the folder takes no new file but the file may be written, it is
//   overwritten in place instead. Room is reserved first, so a full disk is
//   a WriteError that leaves it whole; a device failing part way leaves it
//   part written.
void replaceFile(const std::string &path, const std::string &bytes,
                 const WriteChunk &write = WriteChunk(), const FlushFile &flush = FlushFile());

} // namespace core
