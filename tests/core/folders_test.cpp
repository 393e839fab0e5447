#include "folders.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using filetest::ScratchFolder;
using filetest::writeBytes;
using Names = std::vector<std::string>;

TEST(Folders, SubfoldersAreEveryFolderInCaseInsensitiveOrderWithNamesAsBytes)
{
    ScratchFolder scratch;
    const std::string latin1 = "\xC9mulateur";  // "Émulateur" in Latin-1: not UTF-8
    for (const std::string &name : Names{"b", "A", "a", ".wine", "C", latin1})
        std::filesystem::create_directory(scratch / name);
    writeBytes(scratch / "file", "x");
    std::filesystem::create_directory_symlink(scratch / "C", scratch / "link");
    std::filesystem::create_directory_symlink(scratch / "gone", scratch / "dangling");

    EXPECT_EQ(core::listSubfolders(scratch.path()),
              (Names{".wine", "A", "a", "b", "C", "link", latin1}));
    EXPECT_EQ(core::listSubfolders(scratch / latin1), Names{});
    EXPECT_EQ(core::listSubfolders(scratch / "missing"), Names{});
    EXPECT_EQ(core::listSubfolders(scratch / "file"), Names{});
}

TEST(Folders, DrivesAreTheBrowsableMountPointsThatAreFolders)
{
    ScratchFolder scratch;
    for (const char *name : {"home", "My Disk", "STICK", "tmp"})
        std::filesystem::create_directory(scratch / name);
    writeBytes(scratch / "hosts", "");
    const std::string table =
        "proc /proc proc rw 0 0\n"
        "sysfs /sys sysfs rw 0 0\n"
        "tmpfs /dev/shm tmpfs rw 0 0\n"
        "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
        "tmpfs /run tmpfs rw 0 0\n"
        "tmpfs /run/user/1000 tmpfs rw 0 0\n"
        "tmpfs " + scratch / "tmp" + " tmpfs rw 0 0\n"
        "/dev/sdb1 " + scratch / "STICK" + " vfat rw 0 0\n"
        "/dev/loop3 /snap/core/123 squashfs ro 0 0\n"
        "/dev/sda2 " + scratch / "home" + " ext4 rw 0 0\n"
        "/dev/sda2 " + scratch / "home" + " ext4 rw 0 0\n"
        "/dev/sdc1 " + scratch / "My\\040Disk" + " vfat rw 0 0\n"
        "/dev/sda2 " + scratch / "hosts" + " ext4 rw 0 0\n"
        "/dev/sdd1 " + scratch / "gone" + " ext4 rw 0 0\n"
        "garbage\n";
    EXPECT_EQ(core::listDrives(table), (Names{"/", scratch / "My Disk", scratch / "STICK", scratch / "home"}));

    const Names drives = core::listDrives();
    EXPECT_NE(std::find(drives.begin(), drives.end(), "/"), drives.end());
}

TEST(Folders, DriveOfAFolderIsItsLongestMountPointByWholeNames)
{
    const Names drives{"/", "/home", "/home/ana/usb"};
    EXPECT_EQ(core::driveOf("/home/ana/usb/roms", drives), "/home/ana/usb");
    EXPECT_EQ(core::driveOf("/home/ana", drives), "/home");
    EXPECT_EQ(core::driveOf("/home", drives), "/home");
    EXPECT_EQ(core::driveOf("/homework", drives), "/");
    EXPECT_EQ(core::driveOf("/home/ana/usb2", drives), "/home");
}
