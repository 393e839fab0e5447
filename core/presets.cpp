#include "presets.h"

#include "layout.h"
#include "paths.h"

namespace core {

namespace {

const char kCps3Window[] = "TForm3";
const char kWidths[] = "ComboBox5";
const char kHeights[] = "ComboBox6";

std::string shownEntry(const char *list)
{
    const ControlLayout &laidOut = formLayout(kCps3Window).control(list);
    return laidOut.itemIndex < 0 ? "" : laidOut.items.at(static_cast<std::size_t>(laidOut.itemIndex));
}

} // namespace

std::vector<FullScreenSize> fullScreenSizes()
{
    const std::vector<std::string> &widths = formLayout(kCps3Window).control(kWidths).items;
    const std::vector<std::string> &heights = formLayout(kCps3Window).control(kHeights).items;
    if (widths.size() != heights.size())
        throw LayoutError("the CPS3 window's width and height lists do not pair up");
    std::vector<FullScreenSize> sizes;
    for (std::size_t i = 0; i < widths.size(); ++i)
        sizes.push_back({widths[i], heights[i]});
    return sizes;
}

Cps3Choices cps3Presets(const std::string &emulatorFolder)
{
    Cps3Choices c;
    c.romFolder = inFolder(emulatorFolder, "roms");
    // The template's own values for these keys.
    c.forceSync = 0;
    c.softwareVertexProcessing = 1;
    c.forceManaged = 0;
    c.filterTilemaps = 1;
    // The resolution lists open as laid out.
    c.fullScreenWidth = shownEntry(kWidths);
    c.fullScreenHeight = shownEntry(kHeights);
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
