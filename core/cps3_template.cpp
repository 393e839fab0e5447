#include "config_template.h"

#include <iterator>

namespace core {

namespace {

// The CPS3 emulator's own configuration file, line by line. Trailing tabs and
// spaces are part of it and are kept.
const char *const kCps3Lines[] = {
    ";Configuration file for the Capcom System 3 emulator",
    ";All text to the right of",
    "; is ignored (use as comments)",
    "",
    "",
    ";Add your rom directories here (max 10)",
    ";ROMS subdirectory in the same folder than the exe is always scanned when searching for roms",
    ";(remove the ; form Dir1)",
    "[RomDirs]",
    "Dir1=c:\\cps3\\roms",
    "",
    "",
    "[Renderer]",
    "ForceSync=0",
    "SoftwareVertexProcessing=1\t",
    "ForceManaged=0",
    "",
    "FilterTilemaps=1",
    "FullScreenWidth=640",
    "FullScreenHeight=480",
    "",
    "",
    ";These options are configured from menus so don't touch",
    "FullMode=0\t",
    "Sound=1",
    "Frameskip=-1",
    "AutoFull=0",
    "",
    "[CPS3]",
    "Region=3",
    "",
};

} // namespace

ConfigTemplate ConfigTemplate::cps3()
{
    return ConfigTemplate(std::vector<std::string>(std::begin(kCps3Lines), std::end(kCps3Lines)));
}

} // namespace core
