// Any bytes as a language file: the loader must neither crash nor lose or
// invent a byte of text, and reading through a file must give what splitting
// the same bytes gives.
#include "errors.h"
#include "fuzz_check.h"
#include "language_table.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

// An in-memory file, reopened by name for every input.
struct MemoryFile {
    MemoryFile()
        : fd(::memfd_create("LNGFILE", MFD_CLOEXEC)), path("/proc/self/fd/" + std::to_string(fd))
    {
        FUZZ_CHECK(fd >= 0);
    }
    void write(const std::string &bytes)
    {
        FUZZ_CHECK(::ftruncate(fd, 0) == 0);
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), 0);
        FUZZ_CHECK(written == static_cast<ssize_t>(bytes.size()));
    }
    int fd;
    std::string path;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const std::vector<std::string> lines = core::LanguageTable::splitLines(text);

    // Every byte before the first NUL is kept, apart from the line breaks.
    std::string kept;
    for (char c : text.substr(0, text.find('\0')))
        if (c != '\r' && c != '\n')
            kept += c;
    std::string joined, rewritten;
    for (const std::string &line : lines) {
        FUZZ_CHECK(line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);
        joined += line;
        rewritten += line + "\r\n";
    }
    FUZZ_CHECK(joined == kept);
    // The table written back with Windows line ends reads the same.
    FUZZ_CHECK(core::LanguageTable::splitLines(rewritten) == lines);

    static MemoryFile file;
    file.write(text);
    core::LanguageTable table;
    table.load(file.path);
    FUZZ_CHECK(table.count() == lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        FUZZ_CHECK(table.line(static_cast<long>(i)) == lines[i]);
    try {
        table.line(static_cast<long>(lines.size()));
        FUZZ_CHECK(false);
    } catch (const core::ListIndexError &) {
    }
    return 0;
}
