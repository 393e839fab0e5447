// The command line: the same files as the windows' save, bad input that
// writes nothing, and the language file check.
#include "command_line.h"
#include "config_goldens.h"
#include "language_table.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>
#ifndef _WIN32
#include <sys/stat.h>
#endif

using filetest::entries;
using filetest::expectedCps3File;
using filetest::expectedModel2File;
using filetest::readBytes;
using filetest::ScratchFolder;

namespace {

using Args = std::vector<std::string>;

core::CommandResult run(const Args &args) { return core::runCommandLine(args); }

// `text` with each `from` (which must be there once) changed to `to`.
std::string changed(std::string text, const std::vector<std::pair<std::string, std::string>> &edits)
{
    for (const auto &[from, to] : edits) {
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        EXPECT_EQ(text.find(from, at + 1), std::string::npos) << from;
        if (at != std::string::npos)
            text.replace(at, from.size(), to);
    }
    return text;
}

} // namespace

TEST(CommandLine, WriteAtThePresetsGivesTheWindowsFile)
{
    ScratchFolder cps3, model2;
    core::CommandResult result = run({"write", "cps3", cps3.path()});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(readBytes(cps3 / "EMULATOR.INI"), expectedCps3File(cps3 / "roms"));

    result = run({"write", "model2", model2.path()});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(readBytes(model2 / "EMULATOR.INI"), expectedModel2File(model2 / "roms"));
}

TEST(CommandLine, EachOptionChangesItsOwnLine)
{
    ScratchFolder folder;
    const struct {
        std::string emulator, option, value, from, to;
    } cases[] = {
        {"cps3", "--force-sync", "1", "ForceSync=0", "ForceSync=1"},
        {"cps3", "--software-vertex-processing", "0", "Processing=1", "Processing=0"},
        {"cps3", "--force-managed", "1", "ForceManaged=0", "ForceManaged=1"},
        {"cps3", "--filter-tilemaps", "0", "FilterTilemaps=1", "FilterTilemaps=0"},
        {"cps3", "--resolution", "1152x864", "Width=640\r\nFullScreenHeight=480",
         "Width=1152\r\nFullScreenHeight=864"},
        {"model2", "--geometrizer", "0", "Geometrizer=1", "Geometrizer=0"},
        {"model2", "--software-vertex-processing", "0", "Processing=1", "Processing=0"},
        {"model2", "--wireframe", "1", "Wireframe=0", "Wireframe=1"},
        {"model2", "--fake-gouraud", "1", "FakeGouraud=0", "FakeGouraud=1"},
        {"model2", "--filter-tilemaps", "1", "FilterTilemaps=0", "FilterTilemaps=1"},
        {"model2", "--force-managed", "1", "ForceManaged=0", "ForceManaged=1"},
        {"model2", "--auto-mip", "1", "AutoMip=0", "AutoMip=1"},
        {"model2", "--mesh-transparency", "1", "MeshTransparency=0", "MeshTransparency=1"},
        {"model2", "--filtering", "none", "Bilinear=1", "Bilinear=0"},
    };
    for (const auto &c : cases) {
        ASSERT_EQ(run({"write", c.emulator, folder.path(), c.option, c.value}).status, 0) << c.option;
        const std::string presets = c.emulator == "cps3" ? expectedCps3File(folder / "roms")
                                                         : expectedModel2File(folder / "roms");
        EXPECT_EQ(readBytes(folder / "EMULATOR.INI"), changed(presets, {{c.from, c.to}})) << c.option;
    }

    // Outside bilinear filtering the tile-map filter is 0, as in the window.
    ASSERT_EQ(run({"write", "model2", folder.path(), "--filter-tilemaps=1", "--filtering=trilinear"}).status, 0);
    EXPECT_EQ(readBytes(folder / "EMULATOR.INI"),
              changed(expectedModel2File(folder / "roms"),
                      {{"Bilinear=1", "Bilinear=0"}, {"Trilinear=0", "Trilinear=1"}}));

    // A relative folder is taken from where the command runs.
    std::filesystem::create_directory(folder / "games");
    // A name in the system's code page (é, € and ’ in Windows-1252; on Linux
    // any bytes), made with the system's own narrow call.
    const std::string named = "vid\xE9o \x80\x92";
#ifdef _WIN32
    ASSERT_EQ(_mkdir((folder / named).c_str()), 0);
#else
    ASSERT_EQ(::mkdir((folder / named).c_str(), 0700), 0);
#endif
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    const core::CommandResult relative = run({"write", "cps3", ".", "--rom-folder", "games/"});
    const core::CommandResult coded = run({"write", "model2", named, "--rom-folder", named});
    // After "--", a folder may begin with "-".
    std::filesystem::create_directory(folder / "-emu");
    const core::CommandResult dashed = run({"write", "model2", "--", "-emu"});
    std::filesystem::current_path(previous);
    ASSERT_EQ(relative.status, 0) << relative.err;
    EXPECT_EQ(relative.out, (folder / "EMULATOR.INI") + " written\n");
    EXPECT_EQ(readBytes(folder / "EMULATOR.INI"), expectedCps3File(folder / "games"));
    ASSERT_EQ(coded.status, 0) << coded.err;
    EXPECT_EQ(readBytes(folder / (named + "/EMULATOR.INI")), expectedModel2File(folder / named));
    ASSERT_EQ(dashed.status, 0) << dashed.err;
    EXPECT_EQ(readBytes(folder / "-emu/EMULATOR.INI"), expectedModel2File(folder / "-emu/roms"));
}

TEST(CommandLine, BadInputIsOneLineOnStandardErrorAndWritesNothing)
{
    ScratchFolder folder;
    const std::string f = folder.path();
    const std::string gone = folder / "gone";
    const struct {
        Args args;
        std::string err;
    } cases[] = {
        {{"write", "cps3", f, "--force-sink", "1"}, "unknown option --force-sink for write cps3"},
        {{"write", "model2", f, "--resolution=640x480"}, "unknown option --resolution for write model2"},
        {{"write", "cps3", f, "--force-sync", "2"}, "--force-sync takes 0 or 1, not '2'"},
        {{"write", "model2", f, "--filtering", "bicubic"},
         "--filtering takes none, bilinear or trilinear, not 'bicubic'"},
        {{"write", "cps3", f, "--resolution", "800x480"},
         "--resolution takes one of 640x480, 800x600, 1024x768, 1152x864, 1280x1024, not '800x480'"},
        {{"write", "cps3", gone}, "no such folder: " + gone},
        {{"write", "model2", f, "--rom-folder", gone}, "no such folder: " + gone},
        {{"write", "model2", "--auto-mip", "1"}, "write model2 needs a FOLDER"},
        {{"write", "cps3", f, "--force-sync"}, "--force-sync needs a value"},
        {{"write", "cps3", f, "1"}, "unexpected argument '1' for write cps3"},
        {{"check-language", gone}, "Cannot open file \"" + gone + "\"."},
        {{"configure", f}, "unknown command 'configure'; see dravomel --help"},
    };
    for (const auto &c : cases) {
        const core::CommandResult result = run(c.args);
        EXPECT_EQ(result.err, "dravomel: " + c.err + "\n");
        EXPECT_EQ(result.status, 2) << c.err;
        EXPECT_EQ(result.out, "");
    }
    EXPECT_TRUE(entries(f).empty());

    // A file that cannot be written is a failure, not a bad command line.
    std::filesystem::create_directory(folder / "EMULATOR.INI");
    const core::CommandResult result = run({"write", "cps3", f});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err.rfind("dravomel: Cannot create file \"" + (folder / "EMULATOR.INI") + "\"", 0), 0u)
        << result.err;
}

TEST(CommandLine, HelpAndVersionGoToStandardOutput)
{
    for (const Args &args : {Args{"--help"}, Args{"write", "cps3", "--help"}, Args{"check-language", "-h"}}) {
        const core::CommandResult result = run(args);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.out.rfind("Usage:\n", 0), 0u);
        EXPECT_EQ(result.err, "");
    }
    const core::CommandResult version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "dravomel " DRAVOMEL_VERSION "\n");
}

#ifndef _WIN32
TEST(CommandLine, OutputThatCannotBeWrittenIsAFailure)
{
    const std::string french = DRAVOMEL_SOURCE_DIR "/resources/lang/fr/LNGFILE";
    for (const Args &args : {Args{"--help"}, Args{"check-language", french}}) {
        std::FILE *full = std::fopen("/dev/full", "w"), *err = std::tmpfile();
        EXPECT_EQ(core::printCommandResult(run(args), full, err), 1) << args[0];
        char line[80] = {};
        std::rewind(err);
        EXPECT_STREQ(std::fgets(line, sizeof line, err), "dravomel: cannot write the output: No space left on device\n");
        std::fclose(full);
        std::fclose(err);
    }
}
#endif

TEST(CommandLine, ShippedLanguageFilesAreComplete)
{
    for (const std::string language : {"fr", "en"}) {
        const std::string path = DRAVOMEL_SOURCE_DIR "/resources/lang/" + language + "/LNGFILE";
        const core::CommandResult result = run({"check-language", path});
        EXPECT_EQ(result.status, 0);
        const std::vector<std::string> lines = core::LanguageTable::splitLines(result.out);
        ASSERT_EQ(lines.size(), 51u);
        EXPECT_EQ(lines.back(), path + ": complete");
        EXPECT_EQ(result.out.find("MISSING"), std::string::npos);
    }
}

TEST(CommandLine, CheckLanguageShowsWhereEachLineGoesAndWhatIsMissing)
{
    ScratchFolder folder;
    std::string text;
    for (int n = 0; n < 48; ++n)
        text += "text " + std::to_string(n) + "\r\n";
    filetest::writeBytes(folder / "LNGFILE", text);

    const core::CommandResult result = run({"check-language", folder / "LNGFILE"});
    EXPECT_EQ(result.status, 1);
    const std::vector<std::string> lines = core::LanguageTable::splitLines(result.out);
    ASSERT_EQ(lines.size(), 51u);
    EXPECT_EQ(lines[12], "12  CPS3 ComboBox1 (ForceSync entry 0): \"text 12\"");
    EXPECT_EQ(lines[48], "48  Model 2 Label12 (AutoMip label): MISSING");
    EXPECT_EQ(lines[50], (folder / "LNGFILE") + ": incomplete, lines 48 to 49 are missing");

    std::set<int> notShown;
    for (int n = 0; n < 50; ++n)
        if (lines[n].find("not shown") != std::string::npos)
            notShown.insert(n);
    EXPECT_EQ(notShown, (std::set<int>{0, 10, 21, 39, 45, 46, 47}));
}

TEST(CommandLine, OnlyItsOwnWordsOrAConsoleMakeACommandLineRun)
{
    const struct {
        Args args;
        bool fromDesktop, fromConsole;
    } cases[] = {
        {{}, false, false},
        {{"write", "cps3", "x"}, true, true},
        {{"check-language", "f"}, true, true},
        {{"--help"}, true, true},
        {{"-h"}, true, true},
        {{"--version"}, true, true},
        // A folder dropped on the program, a typo, an option of a command.
        {{"C:\\Emulators\\CPS3"}, false, true},
        {{"wirte", "cps3"}, false, true},
        {{"--resolution", "800x600"}, false, true},
        {{""}, false, true},
    };
    for (const auto &c : cases) {
        const std::string shown = c.args.empty() ? "no argument" : "'" + c.args[0] + "'";
        EXPECT_EQ(core::isCommandLineRun(c.args, false), c.fromDesktop) << shown;
        EXPECT_EQ(core::isCommandLineRun(c.args, true), c.fromConsole) << shown;
    }
}
