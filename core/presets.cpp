#include "presets.h"

#include "paths.h"

namespace core {

Cps3Choices cps3Presets(const std::string &emulatorFolder)
{
    Cps3Choices c;
    c.romFolder = inFolder(emulatorFolder, "roms");
    // The template's own values for these keys.
    c.forceSync = 0;
    c.softwareVertexProcessing = 1;
    c.forceManaged = 0;
    c.filterTilemaps = 1;
    c.fullScreenWidth = kFullScreenSizes[0].width;
    c.fullScreenHeight = kFullScreenSizes[0].height;
    return c;
}

Model2Choices model2Presets(const std::string &emulatorFolder)
{
    Model2Choices c;
    c.romFolder = inFolder(emulatorFolder, "roms");
    c.geometrizer = 1;
    // Differs from the template, which has 0.
    c.softwareVertexProcessing = 1;
    c.wireframe = 0;
    c.fakeGouraud = 0;
    c.filterTilemaps = 0;
    c.forceManaged = 0;
    c.autoMip = 0;
    c.meshTransparency = 0;
    return c;
}

} // namespace core
