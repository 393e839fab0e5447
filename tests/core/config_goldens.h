#pragma once
// The files the emulators must find on disk, byte for byte, with every choice
// at the settings windows' presets. Typed out here rather than built from the
// templates.
#include <string>

namespace filetest {

inline std::string expectedCps3File(const std::string &romFolder)
{
    return std::string(
               ";Configuration file for the Capcom System 3 emulator\r\n"
               ";All text to the right of\r\n"
               "; is ignored (use as comments)\r\n"
               "\r\n"
               "\r\n"
               ";Add your rom directories here (max 10)\r\n"
               ";ROMS subdirectory in the same folder than the exe is always scanned when searching for roms\r\n"
               ";(remove the ; form Dir1)\r\n"
               "[RomDirs]\r\n")
        + "Dir1=" + romFolder + "\r\n"
        + "\r\n"
          "\r\n"
          "[Renderer]\r\n"
          "ForceSync=0\r\n"
          "SoftwareVertexProcessing=1\r\n"
          "ForceManaged=0\r\n"
          "\r\n"
          "FilterTilemaps=1\r\n"
          "FullScreenWidth=640\r\n"
          "FullScreenHeight=480\r\n"
          "\r\n"
          "\r\n"
          ";These options are configured from menus so don't touch\r\n"
          "FullMode=0\t\r\n"
          "Sound=1\r\n"
          "Frameskip=-1\r\n"
          "AutoFull=0\r\n"
          "\r\n"
          "[CPS3]\r\n"
          "Region=3\r\n"
          "\r\n";
}

inline std::string expectedModel2File(const std::string &romFolder)
{
    return std::string(
               ";Configuration file for the SEGA Model 2 emulator\r\n"
               ";All text to the right of ; is ignored (use as comments)\r\n"
               "\r\n"
               "\r\n"
               ";Add your rom directories here (max 10)\r\n"
               ";ROMS subdirectory in the same folder than the exe is always scanned when searching for roms\r\n"
               ";(remove the ; form Dir1)\r\n"
               "[RomDirs]\r\n")
        + "Dir1=" + romFolder + "\r\n"
        + "\r\n"
          "\r\n"
          "[Renderer]\r\n"
          "Geometrizer=1\r\n"
          "SoftwareVertexProcessing=1\r\n"
          "\r\n"
          "Wireframe=0\r\n"
          "FakeGouraud=0\r\n"
          "Bilinear=1\r\n"
          "Trilinear=0\r\n"
          "FilterTilemaps=0\r\n"
          "ForceManaged=0\r\n"
          "\r\n"
          "ForceSync=0\r\n"
          "FullScreenWidth=640\r\n"
          "FullScreenHeight=480\r\n"
          "\r\n"
          "AutoMip=0\r\n"
          "MeshTransparency=0\r\n"
          "\r\n"
          "\r\n"
          ";These options are configured from menus so don't touch\r\n"
          "FullMode=0\t\r\n"
          "Sound=1\r\n"
          "Frameskip=-1\r\n"
          "\r\n"
          "\r\n"
          "\r\n"
          "[Input]\r\n"
          "XInput=0\t\t\t;Enable support for Xbox360 compatible devices\r\n"
          "EnableFF=0\t\t\t;Enable Force Feedback Effects\r\n"
          "\r\n"
          ";FORCE EFFECTS PARAMETERS\r\n"
          ";FE_CENTERING Effect (Spring centering effect)\r\n"
          "FE_CENTERING_Gain=0.5\t\t;Global gain \r\n"
          "FE_CENTERING_Coefficient=10000\t;0-10000\r\n"
          "FE_CENTERING_Saturation=10000\t;0-10000\r\n"
          "FE_CENTERING_Deadband=1000\t;10%\r\n"
          "\r\n"
          ";FE_CLUTCH Effect (Friction, wheel turn hardness)\r\n"
          "FE_CLUTCH_Gain=1.0\t\t;Global gain \r\n"
          "FE_CLUTCH_Coefficient=10000\t;0-10000\r\n"
          "\r\n"
          ";FE_LEFT,FE_RIGHT (Constant force in a direction)\r\n"
          "FE_LEFT_Gain=1.0\t\t;Global gain \r\n"
          "FE_LEFT_Magnitude=10000\t\t;0-10000\r\n"
          "FE_RIGHT_Gain=1.0\t\t;Global gain \r\n"
          "FE_RIGHT_Magnitude=10000\t;0-10000\r\n"
          "\r\n"
          "\r\n"
          ";FE_UNCENTERING (Sine force, wave the wheel, rumble)\r\n"
          "FE_UNCENTERING_Gain=1.0\t\t;Global gain \r\n"
          "FE_UNCENTERING_Magnitude=10000\t;0-10000\r\n"
          "FE_UNCENTERING_Offset=-200\r\n"
          "FE_UNCENTERING_Phase=0\r\n"
          "FE_UNCENTERING_Period=56000\r\n"
          "\r\n";
}

} // namespace filetest
