#pragma once
// The language table: the lines of the language file, numbered from 0.
// A text is known only by its line number, so lines are kept byte for byte.
#include <string>
#include <vector>

namespace core {

class LanguageTable {
public:
    // Replaces the table with the lines of the file at `path`.
    // Throws FileOpenError if it cannot be read or is not a regular file (a
    // folder, a named pipe, a device); the table is then empty.
    void load(const std::string &path);

    // The text of line n; throws ListIndexError if there is no such line.
    const std::string &line(long n) const;

    std::size_t count() const { return lines_.size(); }

    // Splits text at CR, LF or CR LF. A break at the very end adds no empty
    // line, and a NUL byte ends the text.
    static std::vector<std::string> splitLines(const std::string &text);

private:
    std::vector<std::string> lines_;
};

} // namespace core
