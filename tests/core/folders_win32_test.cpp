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

// A drive letter without a medium behind it (an empty card slot, here an
// unused letter) lists no subfolders, and the thread's error mode, which
// keeps Windows' "No disk" box away meanwhile, is the caller's again after.
TEST(FoldersWin32, DriveWithoutMediumListsNothingAndLeavesTheErrorModeAsItWas)
{
    const DWORD used = GetLogicalDrives();
    char letter = 'Z';
    while (letter > 'D' && (used & (1u << (letter - 'A'))))
        --letter;
    const DWORD callers = SEM_NOGPFAULTERRORBOX;
    DWORD before = 0;
    ASSERT_TRUE(SetThreadErrorMode(callers, &before));
    for (const std::string &folder : {std::string(1, letter) + ":\\", std::string(1, letter) + ":\\roms"}) {
        EXPECT_EQ(core::listSubfolders(folder), Names{}) << folder;
        EXPECT_EQ(GetThreadErrorMode(), callers) << folder;
    }
    SetThreadErrorMode(before, nullptr);
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
