#include "config_writer.h"
#include "errors.h"
#include "paths.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <unistd.h>

using filetest::entries;
using filetest::readBytes;
using filetest::ScratchFolder;
using filetest::writeBytes;

namespace {

// What the emulators must find on disk, byte for byte, with every control at
// its preset. Typed out here rather than built from the templates.
std::string expectedCps3File(const std::string &romFolder)
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

std::string expectedModel2File(const std::string &romFolder)
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

core::Cps3Choices cps3Presets(const std::string &folder)
{
    core::Cps3Choices c;
    c.romFolder = core::inFolder(folder, "roms");
    c.forceSync = 0;
    c.softwareVertexProcessing = 1;
    c.forceManaged = 0;
    c.filterTilemaps = 1;
    c.fullScreenWidth = "640";
    c.fullScreenHeight = "480";
    return c;
}

core::Model2Choices model2Presets(const std::string &folder)
{
    core::Model2Choices c;
    c.romFolder = core::inFolder(folder, "roms");
    c.geometrizer = 1;
    c.softwareVertexProcessing = 1;
    c.wireframe = c.fakeGouraud = c.filterTilemaps = c.forceManaged = c.autoMip =
        c.meshTransparency = 0;
    return c;
}

std::size_t lineBreaks(const std::string &bytes)
{
    std::size_t count = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2))
        ++count;
    return count;
}

// The saved file's lines, split at CR LF.
std::vector<std::string> savedLines(const std::string &folder)
{
    const std::string bytes = readBytes(folder + "/EMULATOR.INI");
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = bytes.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(bytes.substr(from, at - from));
    EXPECT_EQ(from, bytes.size()) << "text after the last line break";
    return lines;
}

} // namespace

TEST(ConfigWriter, Cps3PresetsGiveTheExactFile)
{
    ScratchFolder folder;
    core::ConfigTemplate t = core::ConfigTemplate::cps3();
    core::writeCps3Configuration(t, cps3Presets(folder.path()), folder.path());

    const std::string bytes = readBytes(folder / "EMULATOR.INI");
    EXPECT_EQ(bytes, expectedCps3File(folder / "roms"));
    EXPECT_EQ(lineBreaks(bytes), 31u);
    EXPECT_EQ(bytes.substr(bytes.size() - 4), "\r\n\r\n");
    EXPECT_EQ(entries(folder.path()), std::vector<std::string>{"EMULATOR.INI"});
}

TEST(ConfigWriter, Model2PresetsGiveTheExactFile)
{
    ScratchFolder folder;
    core::ConfigTemplate t = core::ConfigTemplate::model2();
    core::writeModel2Configuration(t, model2Presets(folder.path()), folder.path());

    const std::string bytes = readBytes(folder / "EMULATOR.INI");
    EXPECT_EQ(bytes, expectedModel2File(folder / "roms"));
    EXPECT_EQ(lineBreaks(bytes), 66u);
    EXPECT_EQ(bytes.substr(bytes.size() - 4), "\r\n\r\n");
}

TEST(ConfigWriter, ValuesAreWrittenAsGiven)
{
    ScratchFolder folder;
    core::ConfigTemplate cps3 = core::ConfigTemplate::cps3();
    core::Cps3Choices c = cps3Presets(folder.path());
    c.forceManaged = -1;
    c.fullScreenWidth = "wide";
    c.fullScreenHeight = "";
    core::writeCps3Configuration(cps3, c, folder.path());
    std::vector<std::string> lines = savedLines(folder.path());
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines.at(15), "ForceManaged=-1");
    EXPECT_EQ(lines.at(18), "FullScreenWidth=wide");
    EXPECT_EQ(lines.at(19), "FullScreenHeight=");

    core::ConfigTemplate model2 = core::ConfigTemplate::model2();
    core::writeModel2Configuration(model2, core::Model2Choices(), folder.path());
    lines = savedLines(folder.path());
    ASSERT_EQ(lines.size(), 66u);
    EXPECT_EQ(lines.at(8), "Dir1=");
    for (std::size_t n : {12, 13, 15, 16, 19, 20, 26, 27})
        EXPECT_EQ(lines.at(n).substr(lines.at(n).find('=')), "=-1") << "line " << n;
}

TEST(ConfigWriter, EmptyEmulatorFolderStartsAtTheRoot)
{
    const std::string sep(1, core::kPathSeparator);
    EXPECT_EQ(core::configurationPath(""), sep + "EMULATOR.INI");
    EXPECT_EQ(core::configurationPath(sep + "games"), sep + "games" + sep + "EMULATOR.INI");

    // The window's ROM folder for an empty emulator folder is "/roms"; it
    // goes into the file unchanged.
    ScratchFolder folder;
    core::ConfigTemplate t = core::ConfigTemplate::cps3();
    core::Cps3Choices c = cps3Presets("");
    core::writeCps3Configuration(t, c, folder.path());
    EXPECT_EQ(savedLines(folder.path()).at(9), "Dir1=" + sep + "roms");
}

TEST(ConfigWriter, FilteringModeIsTheLastButtonPressed)
{
    const std::string bilinear = core::ConfigTemplate::model2().line(17);
    const std::string trilinear = core::ConfigTemplate::model2().line(18);
    ScratchFolder folder;
    core::ConfigTemplate t = core::ConfigTemplate::model2();

    core::setFilteringMode(t, core::FilteringMode::None);
    EXPECT_EQ(t.line(17), "Bilinear=0");
    EXPECT_EQ(t.line(18), "Trilinear=0");
    core::setFilteringMode(t, core::FilteringMode::Bilinear);
    core::writeModel2Configuration(t, model2Presets(folder.path()), folder.path());
    std::vector<std::string> lines = savedLines(folder.path());
    EXPECT_EQ(lines.at(17), "Bilinear=1");
    EXPECT_EQ(lines.at(18), "Trilinear=0");

    core::setFilteringMode(t, core::FilteringMode::Trilinear);
    core::writeModel2Configuration(t, model2Presets(folder.path()), folder.path());
    lines = savedLines(folder.path());
    EXPECT_EQ(lines.at(17), "Bilinear=0");
    EXPECT_EQ(lines.at(18), "Trilinear=1");

    core::ConfigTemplate again = core::ConfigTemplate::model2();
    core::setFilteringMode(again, core::FilteringMode::None);
    core::setFilteringMode(again, core::FilteringMode::Trilinear);
    core::setFilteringMode(again, core::FilteringMode::Bilinear);
    EXPECT_EQ(again.line(17), bilinear);
    EXPECT_EQ(again.line(18), trilinear);
}

TEST(ConfigWriter, MissingFolderKeepsReplacementsAndAllowsAnotherSave)
{
    ScratchFolder folder;
    core::ConfigTemplate t = core::ConfigTemplate::cps3();
    core::Cps3Choices c = cps3Presets(folder.path());
    c.forceSync = 1;
    try {
        core::writeCps3Configuration(t, c, folder / "gone");
        FAIL() << "no error raised";
    } catch (const core::FileCreateError &e) {
        EXPECT_EQ(e.path(), folder / "gone/EMULATOR.INI");
    }
    EXPECT_TRUE(entries(folder.path()).empty());
    EXPECT_EQ(t.line(9), "Dir1=" + (folder / "roms"));
    EXPECT_EQ(t.line(13), "ForceSync=1");
    EXPECT_EQ(t.line(14), "SoftwareVertexProcessing=1");

    core::writeCps3Configuration(t, c, folder.path());
    EXPECT_EQ(savedLines(folder.path()).at(13), "ForceSync=1");
}

TEST(ConfigWriter, FailedSaveKeepsThePreviousFile)
{
    ScratchFolder folder;
    const std::string previous = "Dir1=/old\r\nSound=0\r\n";
    writeBytes(folder / "EMULATOR.INI", previous);
    const core::WriteChunk fullDisk = [](int fd, const char *data, std::size_t size) -> long {
        static_cast<void>(::write(fd, data, std::min<std::size_t>(size, 50)));
        errno = ENOSPC;
        return -1;
    };
    core::ConfigTemplate t = core::ConfigTemplate::model2();
    try {
        core::writeModel2Configuration(t, model2Presets(folder.path()), folder.path(), fullDisk);
        FAIL() << "no error raised";
    } catch (const core::WriteError &e) {
        EXPECT_EQ(e.path(), folder / "EMULATOR.INI");
    }
    EXPECT_EQ(readBytes(folder / "EMULATOR.INI"), previous);
    EXPECT_EQ(entries(folder.path()), std::vector<std::string>{"EMULATOR.INI"});
    EXPECT_EQ(t.line(12), "Geometrizer=1");
}
