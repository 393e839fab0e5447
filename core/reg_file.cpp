#include "reg_file.h"

#include "errors.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace core {

namespace {

const char kHeader4[] = "REGEDIT4";
const char kHeader5[] = "Windows Registry Editor Version 5.00";
const char kUtf8Bom[] = "\xEF\xBB\xBF";
const char kUtf16Bom[] = "\xFF\xFE";
const char kBlanks[] = " \t";

bool sameName(const std::string &a, const std::string &b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

std::string trim(const std::string &s)
{
    const std::string::size_type first = s.find_first_not_of(kBlanks);
    if (first == std::string::npos)
        return std::string();
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

bool isBlank(const std::string &s)
{
    return s.find_first_not_of(kBlanks) == std::string::npos;
}

bool isComment(const std::string &s)
{
    const std::string::size_type first = s.find_first_not_of(kBlanks);
    return first != std::string::npos && s[first] == ';';
}

bool isHexDigit(char c)
{
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

bool startsWith(const std::string &s, std::size_t pos, const char *prefix)
{
    return s.compare(pos, std::char_traits<char>::length(prefix), prefix) == 0;
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

// Comma-separated bytes such as "2f,00,61,"; blanks around them are allowed.
bool parseHexBytes(const std::string &data, std::string &out)
{
    out.clear();
    if (isBlank(data))
        return true;
    for (std::size_t start = 0;;) {
        const std::size_t comma = data.find(',', start);
        const std::string item =
            trim(data.substr(start, comma == std::string::npos ? comma : comma - start));
        if (comma == std::string::npos && item.empty() && start > 0)
            return true;
        if (item.empty() || item.size() > 2 || !std::all_of(item.begin(), item.end(), isHexDigit))
            return false;
        out += static_cast<char>(std::strtoul(item.c_str(), nullptr, 16));
        if (comma == std::string::npos)
            return true;
        start = comma + 1;
    }
}

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
    } else {
        if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12);
        } else {
            out += static_cast<char>(0xF0 | c >> 18);
            out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        }
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    }
    out += static_cast<char>(0x80 | (c & 0x3F));
}

// The length of the valid UTF-8 sequence at s[i], setting `c` to its
// character, or 0 when the bytes there are not UTF-8.
std::size_t utf8At(const std::string &s, std::size_t i, char32_t &c)
{
    const unsigned char lead = static_cast<unsigned char>(s[i]);
    const std::size_t n = lead < 0x80   ? 1
                          : lead < 0xC2 ? 0
                          : lead < 0xE0 ? 2
                          : lead < 0xF0 ? 3
                          : lead < 0xF5 ? 4
                                        : 0;
    if (n == 0 || i + n > s.size())
        return 0;
    c = n == 1 ? lead : lead & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        const unsigned char b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        c = c << 6 | (b & 0x3F);
    }
    static const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < least[n] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
        return 0;
    return n;
}

// Texts are 8-bit strings, and on Linux the 8-bit form that holds every
// character is UTF-8. A byte that is not UTF-8 (a folder named in Latin-1)
// goes into UTF-16 as a lone surrogate U+DC80..U+DCFF and comes back as the
// same byte, so it survives a store and a load.
std::string toUtf16(const std::string &text)
{
    std::string out;
    auto put = [&out](char32_t unit) {
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>(unit >> 8);
    };
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = 0;
        const std::size_t n = utf8At(text, i, c);
        if (n == 0) {
            put(0xDC00 + static_cast<unsigned char>(text[i++]));
            continue;
        }
        i += n;
        if (c < 0x10000) {
            put(c);
        } else {
            put(0xD800 + ((c - 0x10000) >> 10));
            put(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return out;
}

// The reverse of toUtf16 for the UTF-16LE bytes in [begin, end). Any other
// lone surrogate has no 8-bit form and becomes U+FFFD.
std::string fromUtf16(const std::string &bytes, std::size_t begin, std::size_t end)
{
    auto unit = [&bytes](std::size_t i) -> char32_t {
        return static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8;
    };
    auto isLow = [](char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; };
    std::string out;
    for (std::size_t i = begin; i + 1 < end; i += 2) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < end && isLow(unit(i + 2))) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (c >= 0xDC80 && c <= 0xDCFF) {
            out += static_cast<char>(c - 0xDC00);
            continue;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        appendUtf8(out, c);
    }
    return out;
}

[[noreturn]] void damaged(std::size_t line, const std::string &why)
{
    throw RegistryError("line " + std::to_string(line + 1) + ": " + why);
}

} // namespace

RegFile::RegFile() : lines_{{kHeader4, kHeader4, "\n"}}
{
    index();
}

RegFile RegFile::parse(const std::string &bytes)
{
    RegFile file;
    file.lines_.clear();
    if (startsWith(bytes, 0, kUtf16Bom)) {
        file.utf16_ = true;
        file.bom_ = kUtf16Bom;
    } else if (startsWith(bytes, 0, kUtf8Bom)) {
        file.bom_ = kUtf8Bom;
    }
    const std::size_t width = file.utf16_ ? 2 : 1;
    const std::size_t size = bytes.size() - (bytes.size() - file.bom_.size()) % width;
    auto unitIs = [&](std::size_t i, char c) {
        return bytes[i] == c && (width == 1 || bytes[i + 1] == '\0');
    };

    bool eolSeen = false;
    for (std::size_t start = file.bom_.size(); start < size;) {
        std::size_t stop = start;
        while (stop < size && !unitIs(stop, '\n'))
            stop += width;
        Line line;
        std::size_t end = stop;
        if (stop < size) {
            line.eol = "\n";
            if (end > start && unitIs(end - width, '\r')) {
                end -= width;
                line.eol = "\r\n";
            }
            if (!eolSeen)
                file.eol_ = line.eol;
            eolSeen = true;
        }
        line.raw = bytes.substr(start, end - start);
        line.text = file.utf16_ ? fromUtf16(bytes, start, end) : line.raw;
        if (line.text.find_first_of(std::string("\r\0", 2)) != std::string::npos)
            damaged(file.lines_.size(), "stray control character");
        file.lines_.push_back(std::move(line));
        start = stop + width;
    }
    if (size != bytes.size()) {
        const bool lastLineOpen = !file.lines_.empty() && file.lines_.back().eol.empty();
        damaged(file.lines_.size() - (lastLineOpen ? 1 : 0), "half a UTF-16 character at the end");
    }

    if (std::all_of(file.lines_.begin(), file.lines_.end(),
                    [](const Line &line) { return isBlank(line.text); }))
        return RegFile();  // an empty file holds no key
    file.index();
    return file;
}

void RegFile::index()
{
    sections_.clear();
    entries_.clear();
    std::size_t i = 0;
    while (i < lines_.size() && isBlank(lines_[i].text))
        ++i;
    const std::string header = i < lines_.size() ? trim(lines_[i].text) : std::string();
    wideHexText_ = sameName(header, kHeader5);
    if (!wideHexText_ && !sameName(header, kHeader4))
        damaged(i, "no registry file header");

    for (++i; i < lines_.size(); ++i) {
        const std::string line = trim(lines_[i].text);
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            if (line.back() != ']')
                damaged(i, "unclosed key name");
            sections_.push_back({line.substr(1, line.size() - 2), i + 1});
            continue;
        }
        if (sections_.empty())
            damaged(i, "value outside a key");
        Entry entry = readEntry(i);
        i = entry.last;
        sections_.back().end = i + 1;
        entries_.push_back(std::move(entry));
    }
}

RegFile::Entry RegFile::readEntry(std::size_t i) const
{
    const std::string line = trim(lines_[i].text);
    Entry entry{sections_.size() - 1, std::string(), i, i, What::Other, std::string()};
    std::size_t pos = 0;
    if (line[0] == '@') {
        entry.name = "@";
        pos = 1;
    } else if (line[0] != '"' || !readQuoted(line, pos, entry.name)) {
        damaged(i, "bad value name");
    }
    pos = line.find_first_not_of(kBlanks, pos);
    if (pos == std::string::npos || line[pos] != '=')
        damaged(i, "missing '='");
    const std::string data = trim(line.substr(pos + 1));

    if (data == "-") {
        entry.what = What::Deleted;
    } else if (startsWith(data, 0, "\"")) {
        pos = 0;
        const bool closed = readQuoted(data, pos, entry.text);
        const std::string rest = data.substr(pos);  // nothing, or a comment
        if (!closed || !(isBlank(rest) || isComment(rest)))
            damaged(i, "bad text value");
        entry.what = What::Text;
    } else if (startsWith(data, 0, "hex")) {
        readBinary(entry, data);
    } else if (!startsWith(data, 0, "dword:")) {
        damaged(i, "unknown value type");
    }
    return entry;
}

// "hex:", or "hex(N):" with the value's type N in hex, then bytes that may go
// on over lines ending with a backslash.
void RegFile::readBinary(Entry &entry, const std::string &data) const
{
    unsigned long type = 3;  // plain binary
    std::size_t pos = 3;
    if (startsWith(data, pos, "(")) {
        const std::size_t close = data.find(')', pos);
        const std::string number =
            data.substr(pos + 1, close == std::string::npos ? 0 : close - pos - 1);
        if (number.empty() || number.size() > 8
            || !std::all_of(number.begin(), number.end(), isHexDigit))
            damaged(entry.first, "unknown value type");
        type = std::strtoul(number.c_str(), nullptr, 16);
        pos = close + 1;
    }
    if (!startsWith(data, pos, ":"))
        damaged(entry.first, "unknown value type");

    std::string hex;
    std::string piece = data.substr(pos + 1);
    for (;;) {
        piece = trim(piece.substr(0, piece.find(';')));
        const bool continues = !piece.empty() && piece.back() == '\\';
        if (continues)
            piece = trim(piece.substr(0, piece.size() - 1));
        if (!hex.empty() && hex.back() != ',' && !piece.empty())
            hex += ',';
        hex += piece;
        if (!continues)
            break;
        // Blank and comment lines between the parts are passed over.
        std::size_t next = entry.last + 1;
        while (next < lines_.size() && (isBlank(lines_[next].text) || isComment(lines_[next].text)))
            ++next;
        if (next == lines_.size())
            damaged(entry.last, "unfinished value");
        piece = trim(lines_[next].text);
        if (!isHexDigit(piece[0])) {
            // Not more bytes but the next line of the file: an import drops
            // the unfinished value and reads that line for itself.
            entry.what = What::Skipped;
            return;
        }
        entry.last = next;
    }

    std::string bytes;
    if (!parseHexBytes(hex, bytes))
        damaged(entry.last, "bad binary data");
    if (type != 1 && type != 2)  // a string, or one with %VARIABLES% left unexpanded
        return;
    entry.what = What::Text;
    if (!wideHexText_) {
        entry.text = bytes.substr(0, bytes.find('\0'));
        return;
    }
    std::size_t end = 0;
    while (end + 1 < bytes.size() && (bytes[end] != '\0' || bytes[end + 1] != '\0'))
        end += 2;
    entry.text = fromUtf16(bytes, 0, end);
}

RegFile::Line RegFile::makeLine(const std::string &text, const std::string &eol) const
{
    return {text, utf16_ ? toUtf16(text) : text, eol};
}

// A line added after a last line without a line end takes that place, so the
// file still ends as it did.
void RegFile::insertLine(std::size_t at, const std::string &text)
{
    Line line = makeLine(text, eol_);
    if (at == lines_.size() && !lines_.empty() && lines_.back().eol.empty())
        std::swap(line.eol, lines_.back().eol);
    lines_.insert(lines_.begin() + static_cast<long>(at), std::move(line));
}

bool RegFile::inSection(const Entry &entry, const std::string &section) const
{
    return sameName(sections_[entry.section].name, section);
}

const RegFile::Entry *RegFile::findEntry(const std::string &section, const std::string &name) const
{
    for (auto e = entries_.rbegin(); e != entries_.rend(); ++e)
        if (e->what != What::Skipped && inSection(*e, section) && sameName(e->name, name))
            return &*e;
    return nullptr;
}

bool RegFile::hasSection(const std::string &section) const
{
    return std::any_of(sections_.begin(), sections_.end(),
                       [&](const Section &s) { return sameName(s.name, section); });
}

void RegFile::addSection(const std::string &section)
{
    if (!isBlank(lines_.back().text))
        insertLine(lines_.size(), "");
    insertLine(lines_.size(), "[" + section + "]");
    index();
}

RegFile::Kind RegFile::value(const std::string &section, const std::string &name,
                             std::string *text) const
{
    const Entry *e = findEntry(section, name);
    if (!e || e->what == What::Deleted)
        return Kind::Missing;
    if (e->what != What::Text)
        return Kind::Other;
    if (text)
        *text = e->text;
    return Kind::String;
}

void RegFile::setString(const std::string &section, const std::string &name,
                        const std::string &text)
{
    if (text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
        throw RegistryError("The value \"" + name + "\" cannot be stored: \"" + text
                            + "\" holds a line break.");
    if (!hasSection(section))
        throw RegistryError("The key \"" + section + "\" does not exist.");

    std::vector<const Entry *> same;
    for (const Entry &e : entries_)
        if (inSection(e, section) && sameName(e.name, name))
            same.push_back(&e);
    auto erase = [this](std::size_t first, std::size_t end) {
        const auto begin = lines_.begin();
        lines_.erase(begin + static_cast<long>(first), begin + static_cast<long>(end));
    };

    if (same.empty()) {
        const auto last = std::find_if(sections_.rbegin(), sections_.rend(),
                                       [&](const Section &s) { return sameName(s.name, section); });
        insertLine(last->end, quoted(name) + "=" + quoted(text));
    } else {
        // The last one is the one an import keeps: it takes the new text, in
        // its own place, indentation, spelling and line end; the others go.
        const Entry &keep = *same.back();
        const std::string &was = lines_[keep.first].text;
        const std::string indent = was.substr(0, was.find_first_not_of(kBlanks));
        lines_[keep.first] =
            makeLine(indent + quoted(keep.name) + "=" + quoted(text), lines_[keep.last].eol);
        erase(keep.first + 1, keep.last + 1);
        for (auto e = same.rbegin() + 1; e != same.rend(); ++e)
            erase((*e)->first, (*e)->last + 1);
    }
    index();
}

std::string RegFile::bytes() const
{
    std::string out = bom_;
    for (const Line &line : lines_)
        out += line.raw + (utf16_ ? toUtf16(line.eol) : line.eol);
    return out;
}

} // namespace core
