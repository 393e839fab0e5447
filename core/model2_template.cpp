#include "config_template.h"

#include <iterator>

namespace core {

namespace {

// The Model 2 emulator's own configuration file, line by line. Trailing tabs
// and spaces are part of it and are kept.
const char *const kModel2Lines[] = {
    ";Configuration file for the SEGA Model 2 emulator",
    ";All text to the right of ; is ignored (use as comments)",
    "",
    "",
    ";Add your rom directories here (max 10)",
    ";ROMS subdirectory in the same folder than the exe is always scanned when searching for roms",
    ";(remove the ; form Dir1)",
    "[RomDirs]",
    ";Dir1=c:\\Model2\\roms",
    "",
    "",
    "[Renderer]",
    "Geometrizer=1\t\t",
    "SoftwareVertexProcessing=0\t",
    "",
    "Wireframe=0",
    "FakeGouraud=0",
    "Bilinear=1",
    "Trilinear=0",
    "FilterTilemaps=0",
    "ForceManaged=0",
    "",
    "ForceSync=0",
    "FullScreenWidth=640",
    "FullScreenHeight=480",
    "",
    "AutoMip=0",
    "MeshTransparency=0",
    "",
    "",
    ";These options are configured from menus so don't touch",
    "FullMode=0\t",
    "Sound=1",
    "Frameskip=-1",
    "",
    "",
    "",
    "[Input]",
    "XInput=0\t\t\t;Enable support for Xbox360 compatible devices",
    "EnableFF=0\t\t\t;Enable Force Feedback Effects",
    "",
    ";FORCE EFFECTS PARAMETERS",
    ";FE_CENTERING Effect (Spring centering effect)",
    "FE_CENTERING_Gain=0.5\t\t;Global gain ",
    "FE_CENTERING_Coefficient=10000\t;0-10000",
    "FE_CENTERING_Saturation=10000\t;0-10000",
    "FE_CENTERING_Deadband=1000\t;10%",
    "",
    ";FE_CLUTCH Effect (Friction, wheel turn hardness)",
    "FE_CLUTCH_Gain=1.0\t\t;Global gain ",
    "FE_CLUTCH_Coefficient=10000\t;0-10000",
    "",
    ";FE_LEFT,FE_RIGHT (Constant force in a direction)",
    "FE_LEFT_Gain=1.0\t\t;Global gain ",
    "FE_LEFT_Magnitude=10000\t\t;0-10000",
    "FE_RIGHT_Gain=1.0\t\t;Global gain ",
    "FE_RIGHT_Magnitude=10000\t;0-10000",
    "",
    "",
    ";FE_UNCENTERING (Sine force, wave the wheel, rumble)",
    "FE_UNCENTERING_Gain=1.0\t\t;Global gain ",
    "FE_UNCENTERING_Magnitude=10000\t;0-10000",
    "FE_UNCENTERING_Offset=-200",
    "FE_UNCENTERING_Phase=0",
    "FE_UNCENTERING_Period=56000",
    "",
};

} // namespace

ConfigTemplate ConfigTemplate::model2()
{
    return ConfigTemplate(std::vector<std::string>(std::begin(kModel2Lines), std::end(kModel2Lines)));
}

} // namespace core
