#include "code_page.h"
#include "config_goldens.h"
#include "config_writer.h"
#include "errors.h"
#include "paths.h"
#include "presets.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <unistd.h>
#include <utility>

using core::cps3Presets;
using core::model2Presets;
using filetest::entries;
using filetest::expectedCps3File;
using filetest::expectedModel2File;
using filetest::readBytes;
using filetest::ScratchFolder;
using filetest::writeBytes;

namespace {

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

#ifndef _WIN32
// The variables that choose the code page: all unset for one test, then put
// back as they were. Only Linux converts: on Windows texts already are in
// the system code page.
class CodePageEnvironment {
public:
    CodePageEnvironment()
    {
        for (const char *name : kNames) {
            const char *value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
            ::unsetenv(name);
        }
    }
    ~CodePageEnvironment()
    {
        for (const auto &[name, value] : saved_) {
            if (value)
                ::setenv(name, value->c_str(), 1);
            else
                ::unsetenv(name);
        }
    }
    void set(const char *name, const char *value) { ::setenv(name, value, 1); }

private:
    static constexpr const char *kNames[] = {"DRAVOMEL_CODEPAGE", "LC_ALL", "LC_CTYPE", "LANG"};
    std::vector<std::pair<const char *, std::optional<std::string>>> saved_;
};
#endif

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
    // Every key gets a value of its own, so two keys swapped show.
    ScratchFolder folder;
    core::ConfigTemplate cps3 = core::ConfigTemplate::cps3();
    core::Cps3Choices c = cps3Presets(folder.path());
    c.forceSync = 2;
    c.softwareVertexProcessing = 0;
    c.forceManaged = -1;
    c.filterTilemaps = 1;
    c.fullScreenWidth = "wide";
    c.fullScreenHeight = "";
    core::writeCps3Configuration(cps3, c, folder.path());
    std::vector<std::string> lines = savedLines(folder.path());
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines.at(13), "ForceSync=2");
    EXPECT_EQ(lines.at(14), "SoftwareVertexProcessing=0");
    EXPECT_EQ(lines.at(15), "ForceManaged=-1");
    EXPECT_EQ(lines.at(17), "FilterTilemaps=1");
    EXPECT_EQ(lines.at(18), "FullScreenWidth=wide");
    EXPECT_EQ(lines.at(19), "FullScreenHeight=");

    core::ConfigTemplate model2 = core::ConfigTemplate::model2();
    const core::Model2Choices m{"", 0, 1, 2, 3, 4, 5, 6, -1};
    core::writeModel2Configuration(model2, m, folder.path());
    lines = savedLines(folder.path());
    ASSERT_EQ(lines.size(), 66u);
    EXPECT_EQ(lines.at(8), "Dir1=");
    const std::vector<std::string> driven = {
        "Geometrizer=0", "SoftwareVertexProcessing=1", "Wireframe=2", "FakeGouraud=3",
        "FilterTilemaps=4", "ForceManaged=5", "AutoMip=6", "MeshTransparency=-1"};
    const std::size_t at[] = {12, 13, 15, 16, 19, 20, 26, 27};
    for (std::size_t i = 0; i < driven.size(); ++i)
        EXPECT_EQ(lines.at(at[i]), driven[i]);
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

#ifndef _WIN32
TEST(ConfigWriter, CodePageIsTheOneWineTakesForTheLocale)
{
    const std::pair<const char *, const char *> locales[] = {
        {"C", "1252"},         {"fr_FR.UTF-8", "1252"}, {"pl_PL.UTF-8", "1250"},
        {"sr_RS@latin", "1250"}, {"ru_RU.UTF-8", "1251"}, {"ja_JP.UTF-8", "932"},
        {"zh_CN.UTF-8", "936"}, {"zh_TW.UTF-8", "950"},
    };
    for (const auto &[locale, codePage] : locales)
        EXPECT_EQ(core::codePageOfLocale(locale), codePage) << locale;

    CodePageEnvironment env;
    EXPECT_EQ(core::emulatorCodePage(), "1252");
    env.set("LANG", "ru_RU.UTF-8");
    env.set("LC_CTYPE", "el_GR.UTF-8");
    EXPECT_EQ(core::emulatorCodePage(), "1253");
    env.set("LC_ALL", "tr_TR.UTF-8");
    EXPECT_EQ(core::emulatorCodePage(), "1254");
    env.set("DRAVOMEL_CODEPAGE", "1257");
    EXPECT_EQ(core::emulatorCodePage(), "1257");
}

TEST(ConfigWriter, TextsAreWrittenInTheEmulatorsCodePage)
{
    CodePageEnvironment env;
    env.set("LANG", "fr_FR.UTF-8");
    ScratchFolder folder;
    core::ConfigTemplate t = core::ConfigTemplate::cps3();
    core::Cps3Choices c = cps3Presets(folder.path());
    c.romFolder = "/home/ana/Téléchargements/roms";
    c.fullScreenWidth = "800×600";
    c.fullScreenHeight = "\xE9"; // not UTF-8: already in the code page
    core::writeCps3Configuration(t, c, folder.path());
    std::vector<std::string> lines = savedLines(folder.path());
    EXPECT_EQ(lines.at(9), "Dir1=/home/ana/T\xE9l\xE9" "chargements/roms");
    EXPECT_EQ(lines.at(18), "FullScreenWidth=800\xD7" "600");
    EXPECT_EQ(lines.at(19), "FullScreenHeight=\xE9");

    env.set("DRAVOMEL_CODEPAGE", "1251");
    c.romFolder = "/home/ana/Загрузки";
    c.fullScreenWidth = "800";
    core::writeCps3Configuration(t, c, folder.path());
    EXPECT_EQ(savedLines(folder.path()).at(9), "Dir1=/home/ana/\xC7\xE0\xE3\xF0\xF3\xE7\xEA\xE8");

    // UTF-8 itself, which iconv knows by no number.
    env.set("DRAVOMEL_CODEPAGE", "65001");
    core::writeCps3Configuration(t, c, folder.path());
    EXPECT_EQ(savedLines(folder.path()).at(9), "Dir1=/home/ana/Загрузки");
}

TEST(ConfigWriter, TextTheCodePageCannotHoldChangesNothing)
{
    CodePageEnvironment env;
    env.set("LANG", "fr_FR.UTF-8");
    ScratchFolder folder;
    const std::string previous = "Dir1=/old\r\n";
    writeBytes(folder / "EMULATOR.INI", previous);
    core::ConfigTemplate t = core::ConfigTemplate::cps3();
    core::Cps3Choices c = cps3Presets(folder.path());
    c.romFolder = "/home/ana/Загрузки/roms";
    try {
        core::writeCps3Configuration(t, c, folder.path());
        FAIL() << "no error raised";
    } catch (const core::WriteError &e) {
        EXPECT_EQ(e.path(), folder / "EMULATOR.INI");
        const std::string message = e.what();
        EXPECT_NE(message.find(c.romFolder), std::string::npos) << message;
        EXPECT_NE(message.find("1252"), std::string::npos) << message;
    }
    EXPECT_EQ(readBytes(folder / "EMULATOR.INI"), previous);
    EXPECT_EQ(entries(folder.path()), std::vector<std::string>{"EMULATOR.INI"});
    EXPECT_EQ(t.line(9), core::ConfigTemplate::cps3().line(9));
}

TEST(ConfigWriter, UnknownCodePageOrLineBreakWritesNothing)
{
    const struct {
        const char *codePage;
        std::string romFolder, named;
    } cases[] = {
        {"bogus", "/plain/roms", "DRAVOMEL_CODEPAGE names the code page \"bogus\""},
        {"1252", "/a\nb/roms", "the ROM folder \"/a\nb/roms\" holds a line break"},
        {"65001", "/a\r", "the ROM folder \"/a\r\" holds a line break"},
    };
    ScratchFolder folder;
    writeBytes(folder / "EMULATOR.INI", "Dir1=/old\r\n");
    for (const auto &c : cases) {
        CodePageEnvironment env;
        env.set("DRAVOMEL_CODEPAGE", c.codePage);
        core::ConfigTemplate t = core::ConfigTemplate::cps3();
        core::Cps3Choices choices = cps3Presets(folder.path());
        choices.romFolder = c.romFolder;
        try {
            core::writeCps3Configuration(t, choices, folder.path());
            ADD_FAILURE() << "no error raised for " << c.romFolder;
        } catch (const core::WriteError &e) {
            EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos) << e.what();
        }
        EXPECT_EQ(readBytes(folder / "EMULATOR.INI"), "Dir1=/old\r\n");
    }
}
#endif
