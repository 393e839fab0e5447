// The folder lists' listing on Windows: drive letters, "\" paths, names as
// code-page bytes, hidden folders listed.
#include "folders.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <windows.h>


using filetest::ScratchFolder;
using filetest::writeBytes;
using Names = std::vector<std::string>;

TEST(FoldersWin32, SubfoldersAreEveryFolderIgnoringCaseWithNamesAsBytes)
{
    ScratchFolder scratch;
    const std::string accented = "\xC9mulateur";  // "Émulateur" in the ANSI code page
    for (const std::string &name : Names{"b", "A", "a2", "hidden", "C", accented})
        ASSERT_TRUE(CreateDirectoryA((scratch / name).c_str(), nullptr)) << name;
    SetFileAttributesA((scratch / "hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
    writeBytes(scratch / "file", "x");

    // The accented name sorts with the "E"s, as Explorer shows it.
    EXPECT_EQ(core::listSubfolders(scratch.path()), (Names{"A", "a2", "b", "C", accented, "hidden"}));
    EXPECT_EQ(core::listSubfolders(scratch / "missing"), Names{});
    EXPECT_EQ(core::listSubfolders(scratch / "file"), Names{});
    EXPECT_EQ(core::subfolderPath("C:\\", "roms"), "C:\\roms");
    EXPECT_EQ(core::subfolderPath("C:\\games", "roms"), "C:\\games\\roms");
}

// A drive letter without a medium (an empty card slot; here an unused
// letter) lists nothing, and the caller's error mode is back afterwards.
TEST(FoldersWin32, DriveWithoutMediumListsNothingAndLeavesTheErrorModeAsItWas)
{
    char letter = 'Z';
    while (GetLogicalDrives() & (1u << (letter - 'A')))
        --letter;
    SetThreadErrorMode(SEM_NOGPFAULTERRORBOX, nullptr);
    EXPECT_EQ(core::listSubfolders(std::string(1, letter) + ":\\"), Names{});
    EXPECT_EQ(GetThreadErrorMode(), static_cast<DWORD>(SEM_NOGPFAULTERRORBOX));
}

TEST(FoldersWin32, DrivesAreTheSystemsRootsAndAFolderLiesOnItsLetter)
{
    const Names drives = core::listDrives();
    ASSERT_FALSE(drives.empty());
    for (const std::string &drive : drives)
        EXPECT_TRUE(drive.size() == 3 && drive.substr(1) == ":\\") << drive;
    const std::string here = core::workingFolder();
    EXPECT_TRUE(core::isOnDrive(here, core::driveOf(here, drives))) << here;

    const Names known{"C:\\", "D:\\"};
    EXPECT_EQ(core::driveOf("c:\\games\\cps3", known), "C:\\");
    EXPECT_EQ(core::driveOf("D:\\", known), "D:\\");
    EXPECT_EQ(core::driveOf("D:", known), "D:\\");
    EXPECT_EQ(core::driveOf("E:\\roms", known), "E:\\");
    EXPECT_EQ(core::driveOf("\\\\server\\share", known), "");
    EXPECT_FALSE(core::isOnDrive("CD:\\x", "C:\\"));
}
