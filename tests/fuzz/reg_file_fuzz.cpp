// Any bytes as the stored settings file, then the store done at exit: the
// file is either refused as damaged, or the store changes our two values and
// nothing else that the file means, and the result reads back.
#include "errors.h"
#include "fuzz_check.h"
#include "reg_file.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::string kOurs = "HKEY_CURRENT_USER\\Software\\Dravomel";

bool sameName(const std::string &a, const std::string &b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

// Folder texts a store may be given, awkward ones included.
const std::vector<std::string> kFolders{
    "/new/cps3", "...", "", "C:\\a \"b\"\\", "\\\\server\\share;x=[y]", "\xE9t\xE9 \xC3\xA9",
    "\"", "a\nb",
};

// Only blanks and line breaks, after a byte-order mark; in UTF-16 too.
bool holdsNothing(const std::string &bytes)
{
    const bool utf16 = bytes.compare(0, 2, "\xFF\xFE") == 0;
    const std::size_t start = utf16 ? 2 : bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    for (std::size_t i = start; i < bytes.size(); ++i) {
        const bool high = utf16 && (i - start) % 2 == 1;
        if (high ? bytes[i] != '\0' : std::string(" \t\r\n").find(bytes[i]) == std::string::npos)
            return false;
    }
    return true;
}

// Every (key, value name) the file seems to mention, found by a rough scan
// that is independent of the reader. Names missed only weaken the check.
std::vector<std::pair<std::string, std::string>> mentionedValues(const std::string &bytes)
{
    std::vector<std::pair<std::string, std::string>> found;
    std::vector<std::string> sections{kOurs};
    std::string section;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        std::size_t stop = bytes.find_first_of("\r\n", start);
        if (stop == std::string::npos)
            stop = bytes.size();
        std::string line = bytes.substr(start, stop - start);
        line.erase(std::remove(line.begin(), line.end(), '\0'), line.end());
        line.erase(0, line.find_first_not_of(" \t"));
        if (!line.empty() && line[0] == '[') {
            section = line.substr(1, line.find_last_of(']') - 1);
            sections.push_back(section);
        } else if (!line.empty() && line[0] == '@') {
            found.emplace_back(section, "@");
        } else if (!line.empty() && line[0] == '"') {
            std::string name;
            for (std::size_t i = 1; i < line.size() && line[i] != '"'; ++i) {
                if (line[i] == '\\' && i + 1 < line.size())
                    ++i;
                name += line[i];
            }
            found.emplace_back(section, name);
        }
        start = stop + 1;
    }
    for (const std::string &s : sections)
        for (const char *name : {"DMpath", "CPS3", "Model2", "@"})
            found.emplace_back(s, name);
    return found;
}

bool isStoredByUs(const std::pair<std::string, std::string> &value)
{
    return sameName(value.first, kOurs)
        && (sameName(value.second, "CPS3") || sameName(value.second, "Model2"));
}

struct Reading {
    core::RegFile::Kind kind;
    std::string text;
    bool operator==(const Reading &o) const { return kind == o.kind && text == o.text; }
};

Reading read(const core::RegFile &file, const std::pair<std::string, std::string> &value)
{
    Reading r{core::RegFile::Kind::Missing, std::string()};
    r.kind = file.value(value.first, value.second, &r.text);
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    core::RegFile original;
    try {
        original = core::RegFile::parse(bytes);
    } catch (const core::RegistryError &) {
        return 0;  // damaged: the store writes nothing
    }
    // Read and written back untouched, the file keeps every byte; one that
    // holds nothing reads as a new file.
    FUZZ_CHECK(original.bytes() == (holdsNothing(bytes) ? core::RegFile().bytes() : bytes));

    const std::string &cps3 = kFolders[size % kFolders.size()];
    const std::string &model2 = kFolders[size / kFolders.size() % kFolders.size()];

    core::RegFile stored = original;
    try {
        if (!stored.hasSection(kOurs))
            stored.addSection(kOurs);
        stored.setString(kOurs, "CPS3", cps3);
        stored.setString(kOurs, "Model2", model2);
    } catch (const core::RegistryError &) {
        // Only a text the format cannot hold is refused.
        FUZZ_CHECK(cps3.find('\n') != std::string::npos || model2.find('\n') != std::string::npos);
        return 0;
    }

    // The file keeps its format: a UTF-16 file stays UTF-16.
    if (!holdsNothing(bytes))
        FUZZ_CHECK(stored.bytes().compare(0, 2, bytes, 0, 2) == 0);

    // What was written reads back, with our two values as given...
    core::RegFile reread;
    try {
        reread = core::RegFile::parse(stored.bytes());
    } catch (const core::RegistryError &) {
        FUZZ_CHECK(false);
    }
    FUZZ_CHECK(reread.bytes() == stored.bytes());
    const Reading storedCps3{core::RegFile::Kind::String, cps3};
    const Reading storedModel2{core::RegFile::Kind::String, model2};
    for (const core::RegFile *file : {&stored, &reread}) {
        FUZZ_CHECK((read(*file, {kOurs, "CPS3"}) == storedCps3));
        FUZZ_CHECK((read(*file, {kOurs, "Model2"}) == storedModel2));
    }
    // ...and everything else means what it meant.
    for (const auto &value : mentionedValues(bytes)) {
        if (isStoredByUs(value))
            continue;
        const Reading before = read(original, value);
        FUZZ_CHECK(read(stored, value) == before);
        FUZZ_CHECK(read(reread, value) == before);
        FUZZ_CHECK(original.hasSection(value.first) == reread.hasSection(value.first)
                   || sameName(value.first, kOurs));
    }
    return 0;
}
