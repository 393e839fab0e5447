#pragma once
// A registry export file ("REGEDIT4") held as its own lines, so that a value
// can be changed while every other line of the file stays exactly as it was.
#include <string>
#include <vector>

namespace core {

class RegFile {
public:
    // A new file holding nothing but the format's header.
    RegFile();

    // Reads a whole file; throws RegistryError if it is not a REGEDIT4 export.
    static RegFile parse(const std::string &bytes);

    bool hasSection(const std::string &section) const;
    // Appends an empty section at the end of the file.
    void addSection(const std::string &section);

    enum class Kind { Missing, String, Other };
    // Looks a value up; for a string, `text` receives the unescaped text.
    Kind value(const std::string &section, const std::string &name, std::string *text) const;

    // Sets a string value, replacing the value's lines if it exists and
    // appending it to the section otherwise. The section must exist.
    // Throws RegistryError for a text the format cannot hold (a line break).
    void setString(const std::string &section, const std::string &name, const std::string &text);

    std::string bytes() const;

private:
    // One value, possibly spread over several physical lines.
    struct Entry {
        std::size_t section;  // index into sections_
        std::string name;
        std::size_t first, last;  // physical lines
        Kind kind;
        std::string text;
    };
    struct Section {
        std::string name;
        std::size_t header;  // physical line of "[name]"
        std::size_t end;     // one past its last non-blank line
    };

    void index();  // rebuilds sections_ and entries_ from lines_
    const Section *findSection(const std::string &name) const;
    const Entry *findEntry(const std::string &section, const std::string &name) const;

    std::vector<std::string> lines_;  // without their line breaks
    std::string eol_ = "\n";
    bool finalBreak_ = true;
    std::vector<Section> sections_;
    std::vector<Entry> entries_;
};

} // namespace core
