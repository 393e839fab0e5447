#include "language_table.h"

#include "errors.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

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

void LanguageTable::load(const std::string &path)
{
    lines_.clear();
    std::error_code ec;
    std::ifstream in(path, std::ios::binary);
    if (!in || std::filesystem::is_directory(path, ec))
        throw FileOpenError(path);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw FileOpenError(path);
    lines_ = splitLines(text);
}

const std::string &LanguageTable::line(long n) const
{
    if (n < 0 || static_cast<std::size_t>(n) >= lines_.size())
        throw ListIndexError(n);
    return lines_[static_cast<std::size_t>(n)];
}

} // namespace core
