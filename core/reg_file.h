#pragma once
// A registry export file held as its own lines, so that a value can be
// changed while every other line of the file keeps its bytes. Both export
// formats are read ("REGEDIT4" and "Windows Registry Editor Version 5.00"),
// 8-bit or UTF-16LE with a byte-order mark; a UTF-16 file is handled as UTF-8
// inside and written back as UTF-16.
#include <string>
#include <vector>

namespace core {

class RegFile {
public:
    // A new 8-bit REGEDIT4 file holding nothing but its header.
    RegFile();

    // Reads a whole file as the registry's import reads it; a file without
    // any content gives a new file. Throws RegistryError naming the line of
    // the first thing it cannot read.
    static RegFile parse(const std::string &bytes);

    bool hasSection(const std::string &section) const;
    // Appends an empty section at the end of the file.
    void addSection(const std::string &section);

    enum class Kind { Missing, String, Other };
    // Looks a value up as an import would leave it (the last one of its name
    // counts); for a string, `text` receives the unescaped text.
    Kind value(const std::string &section, const std::string &name, std::string *text) const;

    // Sets a string value: the name's last value becomes the new one and any
    // other of that name goes, or it is appended to the key's last section.
    // The section must exist. Throws RegistryError for a text the format
    // cannot hold (a line break).
    void setString(const std::string &section, const std::string &name, const std::string &text);

    std::string bytes() const;

private:
    struct Line {
        std::string text;  // 8-bit, without its line end
        std::string raw;   // as the file holds it, without its line end
        std::string eol;   // "\n", "\r\n", or "" on a last line without one
    };
    enum class What { Text, Other, Deleted, Skipped };
    // One value, possibly spread over several physical lines.
    struct Entry {
        std::size_t section;  // index into sections_
        std::string name;
        std::size_t first, last;  // physical lines
        What what;
        std::string text;
    };
    struct Section {
        std::string name;
        std::size_t end;  // one past its last value line
    };

    void index();  // rebuilds sections_ and entries_ from lines_
    Entry readEntry(std::size_t line) const;
    void readBinary(Entry &entry, const std::string &data) const;
    Line makeLine(const std::string &text, const std::string &eol) const;
    void insertLine(std::size_t at, const std::string &text);
    bool inSection(const Entry &entry, const std::string &section) const;
    const Entry *findEntry(const std::string &section, const std::string &name) const;

    std::vector<Line> lines_;
    std::string bom_;
    bool utf16_ = false;
    bool wideHexText_ = false;  // a 5.00 file: hex(1) and hex(2) hold UTF-16LE
    std::string eol_ = "\n";    // for new lines: the file's first line end
    std::vector<Section> sections_;
    std::vector<Entry> entries_;
};

} // namespace core
