#pragma once
// The language table: the lines of the language file, numbered from 0.
// A text is known only by its line number, so lines are kept byte for byte.
#include <string>
#include <vector>

namespace core {

// The language file's name inside the program folder.
inline constexpr char kLanguageFileName[] = "LNGFILE";

class LanguageTable {
public:
    // Replaces the table with the lines of the file at `path`. Lines end at
    // CR, LF or CR LF; a break at the very end adds no empty line, and a NUL
    // byte ends the text.
    // Throws FileOpenError if it cannot be read or is not a regular file (a
    // folder, a named pipe, a device); the table is then empty.
    void load(const std::string &path);

    // The text of line n; throws ListIndexError if there is no such line.
    std::string line(long n) const;

    std::size_t count() const { return starts_.size(); }

    // The lines of `text`, split as load() splits a file.
    static std::vector<std::string> splitLines(const std::string &text);

private:
    // The file's bytes and where each line starts in them: one buffer rather
    // than a string per line keeps loading a large file close to reading it.
    std::string text_;
    std::vector<std::size_t> starts_;
};

} // namespace core
