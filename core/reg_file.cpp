#include "reg_file.h"

#include "errors.h"

#include <algorithm>
#include <cctype>

namespace core {

namespace {

const char kHeader[] = "REGEDIT4";

bool sameName(const std::string &a, const std::string &b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

std::string trimRight(const std::string &s)
{
    std::string::size_type end = s.find_last_not_of(" \t");
    return end == std::string::npos ? std::string() : s.substr(0, end + 1);
}

bool isBlank(const std::string &s)
{
    return s.find_first_not_of(" \t") == std::string::npos;
}

// Reads a quoted text starting at s[pos] == '"'; leaves pos after the closing
// quote. "\\" and "\"" are escapes; any other backslash stands for itself.
bool readQuoted(const std::string &s, std::size_t &pos, std::string &out)
{
    out.clear();
    for (++pos; pos < s.size(); ++pos) {
        char c = s[pos];
        if (c == '"') {
            ++pos;
            return true;
        }
        if (c == '\\' && pos + 1 < s.size() && (s[pos + 1] == '\\' || s[pos + 1] == '"'))
            c = s[++pos];
        out += c;
    }
    return false;
}

std::string quoted(const std::string &text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + '"';
}

bool startsWith(const std::string &s, std::size_t pos, const char *prefix)
{
    return s.compare(pos, std::char_traits<char>::length(prefix), prefix) == 0;
}

[[noreturn]] void damaged(std::size_t line, const char *why)
{
    throw RegistryError("The stored settings file is damaged (line " + std::to_string(line + 1)
                        + ": " + why + ").");
}

} // namespace

RegFile::RegFile() : lines_{kHeader}
{
    index();
}

RegFile RegFile::parse(const std::string &bytes)
{
    RegFile file;
    file.lines_.clear();
    std::string::size_type firstBreak = bytes.find('\n');
    if (firstBreak != std::string::npos && firstBreak > 0 && bytes[firstBreak - 1] == '\r')
        file.eol_ = "\r\n";
    file.finalBreak_ = !bytes.empty() && bytes.back() == '\n';

    std::string::size_type start = 0;
    while (start < bytes.size()) {
        std::string::size_type stop = bytes.find('\n', start);
        if (stop == std::string::npos)
            stop = bytes.size();
        std::string line = bytes.substr(start, stop - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_of(std::string("\r\0", 2)) != std::string::npos)
            damaged(file.lines_.size(), "stray control character");
        file.lines_.push_back(std::move(line));
        start = stop + 1;
    }
    file.index();
    return file;
}

void RegFile::index()
{
    sections_.clear();
    entries_.clear();
    std::size_t i = 0;
    while (i < lines_.size() && isBlank(lines_[i]))
        ++i;
    if (i == lines_.size() || trimRight(lines_[i]) != kHeader)
        damaged(i, "no REGEDIT4 header");

    for (++i; i < lines_.size(); ++i) {
        const std::string line = trimRight(lines_[i]);
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            if (line.back() != ']')
                damaged(i, "unclosed key name");
            sections_.push_back({line.substr(1, line.size() - 2), i, i + 1});
            continue;
        }
        if (sections_.empty())
            damaged(i, "value outside a key");

        Entry entry{sections_.size() - 1, std::string(), i, i, Kind::Other, std::string()};
        std::size_t pos = 0;
        if (line[0] == '@') {
            entry.name = "@";
            pos = 1;
        } else if (line[0] != '"' || !readQuoted(line, pos, entry.name)) {
            damaged(i, "bad value name");
        }
        if (pos >= line.size() || line[pos] != '=')
            damaged(i, "missing '='");
        ++pos;
        if (pos < line.size() && line[pos] == '"') {
            if (!readQuoted(line, pos, entry.text) || pos != line.size())
                damaged(i, "bad text value");
            entry.kind = Kind::String;
        } else if (startsWith(line, pos, "hex:") || startsWith(line, pos, "hex(")) {
            // Long binary values go on over lines that end with a backslash.
            auto continues = [this](std::size_t n) {
                const std::string text = trimRight(lines_[n]);
                return !text.empty() && text.back() == '\\';
            };
            while (continues(entry.last)) {
                if (++entry.last == lines_.size())
                    damaged(entry.last - 1, "unfinished value");
            }
            i = entry.last;
        } else if (!startsWith(line, pos, "dword:") && line.substr(pos) != "-") {
            damaged(i, "unknown value type");
        }
        sections_.back().end = entry.last + 1;
        entries_.push_back(std::move(entry));
    }
}

const RegFile::Section *RegFile::findSection(const std::string &name) const
{
    for (const Section &s : sections_)
        if (sameName(s.name, name))
            return &s;
    return nullptr;
}

const RegFile::Entry *RegFile::findEntry(const std::string &section, const std::string &name) const
{
    const Section *s = findSection(section);
    if (!s)
        return nullptr;
    const std::size_t which = static_cast<std::size_t>(s - sections_.data());
    for (const Entry &e : entries_)
        if (e.section == which && sameName(e.name, name))
            return &e;
    return nullptr;
}

bool RegFile::hasSection(const std::string &section) const
{
    return findSection(section) != nullptr;
}

void RegFile::addSection(const std::string &section)
{
    while (!lines_.empty() && isBlank(lines_.back()))
        lines_.pop_back();
    lines_.emplace_back();
    lines_.push_back("[" + section + "]");
    finalBreak_ = true;
    index();
}

RegFile::Kind RegFile::value(const std::string &section, const std::string &name,
                             std::string *text) const
{
    const Entry *e = findEntry(section, name);
    if (!e)
        return Kind::Missing;
    if (e->kind == Kind::String && text)
        *text = e->text;
    return e->kind;
}

void RegFile::setString(const std::string &section, const std::string &name,
                        const std::string &text)
{
    if (text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
        throw RegistryError("The value \"" + name + "\" holds a line break and cannot be stored.");
    const Section *s = findSection(section);
    if (!s)
        throw RegistryError("The key \"" + section + "\" does not exist.");

    if (const Entry *e = findEntry(section, name)) {
        // Keep the name as the file spells it.
        const std::string line = quoted(e->name) + "=" + quoted(text);
        lines_.erase(lines_.begin() + static_cast<long>(e->first) + 1,
                     lines_.begin() + static_cast<long>(e->last) + 1);
        lines_[e->first] = line;
    } else {
        lines_.insert(lines_.begin() + static_cast<long>(s->end), quoted(name) + "=" + quoted(text));
    }
    index();
}

std::string RegFile::bytes() const
{
    std::string out;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        out += lines_[i];
        if (i + 1 < lines_.size() || finalBreak_)
            out += eol_;
    }
    return out;
}

} // namespace core
