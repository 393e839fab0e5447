#pragma once
// Turns a settings window's choices into an emulator's "EMULATOR.INI": fixed
// template lines are replaced by "key=value" and the whole template is saved.
// Values are written as given; nothing is checked.
#include "config_template.h"
#include "safe_file.h"

#include <optional>
#include <string>

namespace core {

// A choice is the 0-based number of the selected entry, -1 when none is.
struct Cps3Choices {
    std::string romFolder;
    int forceSync = -1, softwareVertexProcessing = -1, forceManaged = -1, filterTilemaps = -1;
    std::string fullScreenWidth, fullScreenHeight;
};

struct Model2Choices {
    std::string romFolder;
    int geometrizer = -1, softwareVertexProcessing = -1, wireframe = -1, fakeGouraud = -1,
        filterTilemaps = -1, forceManaged = -1, autoMip = -1, meshTransparency = -1;
};

// Where the configuration of the emulator in `emulatorFolder` is written.
std::string configurationPath(const std::string &emulatorFolder);

// Replace the driven lines of `t`, then save all of it. Texts are written in
// the emulators' code page (see code_page.h); one it cannot hold is a
// WriteError before anything changes. On FileCreateError or WriteError while
// saving the replacements stay in `t`, and the previous file is kept as
// replaceFile() promises.
void writeCps3Configuration(ConfigTemplate &t, const Cps3Choices &c,
                            const std::string &emulatorFolder,
                            const WriteChunk &write = WriteChunk());
void writeModel2Configuration(ConfigTemplate &t, const Model2Choices &c,
                              const std::string &emulatorFolder,
                              const WriteChunk &write = WriteChunk());

// Model 2 texture filtering: replaces the Bilinear and Trilinear lines at
// once; they are saved with the next write.
enum class FilteringMode { None, Bilinear, Trilinear };
void setFilteringMode(ConfigTemplate &t, FilteringMode mode);

// The tile-map filter is offered with bilinear filtering only: in the other
// modes it is held at the entry returned here, and that is what is written.
// Nothing when the user chooses it.
std::optional<int> heldTileMapFilter(FilteringMode mode);

} // namespace core
