#include "whole_file.h"

#ifdef _WIN32
#include "paths.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace core {

#ifdef _WIN32

ReadResult readWholeFile(const std::string &path, std::string &bytes)
{
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(toPath(path), ec);
    if (status.type() == std::filesystem::file_type::not_found)
        return ReadResult::Missing;
    if (status.type() != std::filesystem::file_type::regular)
        return ReadResult::Failed;
    std::ifstream in(toPath(path), std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return in.is_open() && !in.bad() ? ReadResult::Read : ReadResult::Failed;
}

#else

ReadResult readWholeFile(const std::string &path, std::string &bytes)
{
    // Non-blocking, so that opening a pipe returns instead of waiting for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
    struct stat info;
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    // Read straight into a buffer of the file's size; a file that grows
    // meanwhile makes the buffer grow.
    std::size_t done = 0;
    if (ok)
        bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
    while (ok) {
        if (done == bytes.size())
            bytes.resize(bytes.size() * 2);
        const ssize_t n = ::read(fd, &bytes[done], bytes.size() - done);
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else if (n == 0)
            break;
        else
            ok = errno == EINTR;
    }
    bytes.resize(done);
    ::close(fd);
    return ok ? ReadResult::Read : ReadResult::Failed;
}

#endif

} // namespace core
