#include "language_table.h"

#include "errors.h"

#include <algorithm>

#ifdef _WIN32
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

std::vector<std::string> LanguageTable::splitLines(const std::string &text)
{
    const std::string::size_type end = std::min(text.find('\0'), text.size());
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start < end) {
        std::string::size_type stop = start;
        while (stop < end && text[stop] != '\r' && text[stop] != '\n')
            ++stop;
        lines.emplace_back(text, start, stop - start);
        if (stop < end && text[stop] == '\r')
            ++stop;
        if (stop < end && text[stop] == '\n')
            ++stop;
        start = stop;
    }
    return lines;
}

namespace {

// Reads a whole regular file. Anything else (a folder, a named pipe, a
// device) is refused at once: a pipe without a writer would block the
// opening for ever, and a device may never end.
std::string readRegularFile(const std::string &path)
{
#ifdef _WIN32
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw FileOpenError(path);
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open() || in.bad())
        throw FileOpenError(path);
    return text;
#else
    // Non-blocking, so that opening a pipe returns instead of waiting for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw FileOpenError(path);
    struct stat info;
    std::string text;
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    char buffer[65536];
    while (ok) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0)
            text.append(buffer, static_cast<std::size_t>(n));
        else if (n == 0)
            break;
        else
            ok = errno == EINTR;
    }
    ::close(fd);
    if (!ok)
        throw FileOpenError(path);
    return text;
#endif
}

} // namespace

void LanguageTable::load(const std::string &path)
{
    lines_.clear();
    lines_ = splitLines(readRegularFile(path));
}

const std::string &LanguageTable::line(long n) const
{
    if (n < 0 || static_cast<std::size_t>(n) >= lines_.size())
        throw ListIndexError(n);
    return lines_[static_cast<std::size_t>(n)];
}

} // namespace core
