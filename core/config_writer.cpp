#include "config_writer.h"

#include "code_page.h"
#include "errors.h"
#include "paths.h"

#include <cstddef>
#include <optional>
#include <utility>

namespace core {

namespace {

struct DrivenLine {
    std::size_t line;
    const char *key;
};

const DrivenLine kCps3Driven[] = {
    {9, "Dir1"},
    {13, "ForceSync"},
    {14, "SoftwareVertexProcessing"},
    {15, "ForceManaged"},
    {17, "FilterTilemaps"},
    {18, "FullScreenWidth"},
    {19, "FullScreenHeight"},
};

const DrivenLine kModel2Driven[] = {
    {8, "Dir1"}, // the template's commented-out sample becomes an active line
    {12, "Geometrizer"},
    {13, "SoftwareVertexProcessing"},
    {15, "Wireframe"},
    {16, "FakeGouraud"},
    {19, "FilterTilemaps"},
    {20, "ForceManaged"},
    {26, "AutoMip"},
    {27, "MeshTransparency"},
};

const std::size_t kBilinearLine = 17;
const std::size_t kTrilinearLine = 18;

// A line break would split the value's line, and what follows it would be
// read as keys of its own.
void refuseLineBreak(const std::string &path, const DrivenLine &line, const std::string &value)
{
    if (value.find_first_of("\r\n") == std::string::npos)
        return;
    const std::string what = std::string(line.key) == "Dir1" ? "the ROM folder" : line.key;
    throw WriteError(path, what + " \"" + value + "\" holds a line break");
}

// Tables and values are matched by size at compile time, so a key can never
// silently go without its value.
template <std::size_t N>
void applyThenSave(ConfigTemplate &t, const DrivenLine (&table)[N], const std::string (&values)[N],
                   const std::string &emulatorFolder, const WriteChunk &write)
{
    // Every value is converted before any line changes, so a text the
    // emulator could not read leaves both the template and the file alone.
    const std::string path = configurationPath(emulatorFolder);
    const std::string codePage = emulatorCodePage();
    const std::string problem = codePageProblem(codePage);
    if (!problem.empty())
        throw WriteError(path, problem);
    std::string encoded[N];
    for (std::size_t i = 0; i < N; ++i) {
        refuseLineBreak(path, table[i], values[i]);
        std::optional<std::string> text = toCodePage(values[i], codePage);
        if (!text)
            throw WriteError(path, "\"" + values[i] + "\" cannot be written in code page " + codePage);
        encoded[i] = std::move(*text);
    }
    for (std::size_t i = 0; i < N; ++i)
        t.replace(table[i].line, std::string(table[i].key) + "=" + encoded[i]);

    std::string bytes;
    for (const std::string &line : t.lines()) {
        bytes += line;
        bytes += "\r\n";
    }
    replaceFile(path, bytes, write);
}

} // namespace

std::string configurationPath(const std::string &emulatorFolder)
{
    return inFolder(emulatorFolder, "EMULATOR.INI");
}

void writeCps3Configuration(ConfigTemplate &t, const Cps3Choices &c,
                            const std::string &emulatorFolder, const WriteChunk &write)
{
    const std::string values[] = {
        c.romFolder,
        std::to_string(c.forceSync),
        std::to_string(c.softwareVertexProcessing),
        std::to_string(c.forceManaged),
        std::to_string(c.filterTilemaps),
        c.fullScreenWidth,
        c.fullScreenHeight,
    };
    applyThenSave(t, kCps3Driven, values, emulatorFolder, write);
}

void writeModel2Configuration(ConfigTemplate &t, const Model2Choices &c,
                              const std::string &emulatorFolder, const WriteChunk &write)
{
    const std::string values[] = {
        c.romFolder,
        std::to_string(c.geometrizer),
        std::to_string(c.softwareVertexProcessing),
        std::to_string(c.wireframe),
        std::to_string(c.fakeGouraud),
        std::to_string(c.filterTilemaps),
        std::to_string(c.forceManaged),
        std::to_string(c.autoMip),
        std::to_string(c.meshTransparency),
    };
    applyThenSave(t, kModel2Driven, values, emulatorFolder, write);
}

void setFilteringMode(ConfigTemplate &t, FilteringMode mode)
{
    t.replace(kBilinearLine, mode == FilteringMode::Bilinear ? "Bilinear=1" : "Bilinear=0");
    t.replace(kTrilinearLine, mode == FilteringMode::Trilinear ? "Trilinear=1" : "Trilinear=0");
}

std::optional<int> heldTileMapFilter(FilteringMode mode)
{
    if (mode == FilteringMode::Bilinear)
        return std::nullopt;
    return 0;
}

} // namespace core
